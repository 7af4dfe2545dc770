// Winning Line: the engine's line from the board in front of the player, in a dialog that
// follows the board, and its first jump made on request as the player's clicks make it.

#include "app/frmgame.h"

#include "app/winninglinedialog.h"
#include "game/bitboard.h"
#include "game/winningline.h"
#include "session/hintservice.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <bit>

namespace pebblenix {

void frmgame::mnuwinningline_Click() {
    withHintEngine([this](const HintEngine&) {
        if (!frmwinningline) {
            frmwinningline = new WinningLineDialog(this);
            frmwinningline->addActions({mnuundo, mnurewind}); // Ctrl+Z and Ctrl+R work there too
            connect(frmwinningline, &WinningLineDialog::playRequested, this, &frmgame::playJump);
            lined_.reset();
            followWinningLine();
            frmwinningline->adjustSize();
            // Beside the board, where it fits on the screen.
            const QPoint beside = frameGeometry().topRight() + QPoint(8, 0);
            const QScreen* screen = this->screen();
            if (screen &&
                screen->availableGeometry().contains(QRect(beside, frmwinningline->frameSize())))
                frmwinningline->move(beside);
        }
        present(frmwinningline);
    });
}

void frmgame::followWinningLine() {
    const HintEngine* engine = HintService::instance().engine();
    if (!frmwinningline || !engine)
        return;
    game.markAssisted(); // a game played with its winning line in view is played with help
    auto now = std::make_pair(game.marbles(), game.firstPosition());
    if (lined_ == now)
        return; // a selection, a hint or the clock: the board is the same
    frmwinningline->showLine(winningLine(now.first, *engine), std::popcount(toBits(now.first)),
                             engine->canFinishInCentre(toBits(now.second)));
    lined_ = std::move(now);
}

} // namespace pebblenix
