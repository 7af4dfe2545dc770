// The commands of the hint engine: Hint shows a jump after which the last marble can
// still end in the centre; Rewind and Review Game judge every jump of the game and go
// back to before the one that lost the finish.

#include "app/frmgame.h"

#include "app/reviewdialog.h"
#include "game/bitboard.h"
#include "game/review.h"
#include "session/hintservice.h"

#include <QAction>
#include <QApplication>
#include <QCursor>

namespace pebblenix {

void frmgame::withHintEngine(std::function<void(const HintEngine&)> use) {
    HintService& service = HintService::instance();
    if (!service.isReady()) {
        QApplication::setOverrideCursor(Qt::BusyCursor); // the first use reads the table
        // Whatever becomes of this window by then, the cursor comes back.
        service.whenReady(
            qApp, [](const HintEngine*, const QString&) { QApplication::restoreOverrideCursor(); });
    }
    service.whenReady(this, [this, use](const HintEngine* engine, const QString& error) {
        if (!engine) {
            //: %1 says why the table of solutions (a file installed with the game) cannot
            //: be used.
            tellFailure(this, tr("Hints are not available, because the table of solutions "
                                 "cannot be used.\r\n%1.")
                                  .arg(error));
            return;
        }
        use(*engine);
    });
}

void frmgame::mnuhint_Click() {
    withHintEngine([this](const HintEngine& engine) {
        game.markAssisted();
        showHint(engine);
    });
}

void frmgame::clearHint() {
    for (BoardCell* cell : pic)
        cell->stopBlinking();
}

void frmgame::showHint(const HintEngine& engine) {
    const auto jump = engine.hint(toBits(game.marbles()));
    if (!jump) {
        tellInformation(this, QCoreApplication::translate("Game", kNoFinishText));
        return;
    }
    // Select the marble as a click would, without starting the clock.
    game.select(jump->from);
    refresh();
    clearHint(); // one hint on the board at a time
    pic[static_cast<std::size_t>(jump->to)]->blink();
}

void frmgame::mnurewind_Click() {
    withHintEngine([this](const HintEngine& engine) {
        const Review review = reviewGame(game.firstPosition(), game.jumps(), engine);
        game.markAssisted(); // even the answer that the game can still be won helps
        if (review.losing) {
            rewindTo(*review.losing);
            return;
        }
        //: Game > Rewind found no jump that lost the centre finish.
        const QString still = tr("You can still finish with the last marble in the centre.");
        //: Game > Rewind: no jump lost the centre finish, because there never was one.
        const QString never =
            tr("This game started from a position that cannot finish with "
               "the last marble in the centre, so there is nothing to rewind to.");
        tellInformation(this, review.startFinishable ? still : never);
    });
}

void frmgame::rewindTo(std::size_t jump) {
    const Result result = game.rewind(
        //: %1 is the undo file's path, %2 why it could not be written.
        jump, undoWriter(tr("The game was not rewound, because the undo file could not be "
                            "written.\r\n%1: %2.")));
    clearHint(); // a hint shown for the position left behind is void
    refresh();
    if (result.outcome == Outcome::Refused)
        tellFailure(this, result.reason);
}

void frmgame::mnureview_Click() {
    withHintEngine([this](const HintEngine&) {
        if (!frmreview) {
            frmreview = new ReviewDialog(this);
            frmreview->addActions({mnuundo, mnurewind}); // Ctrl+Z and Ctrl+R work there too
            connect(frmreview, &ReviewDialog::goBackRequested, this, &frmgame::rewindTo);
            reviewed_.reset();
            followReview();
        }
        present(frmreview);
    });
}

void frmgame::followReview() {
    const HintEngine* engine = HintService::instance().engine();
    if (!frmreview || !engine)
        return;
    game.markAssisted(); // a game judged jump by jump as it goes is played with help
    auto now = std::make_pair(game.firstPosition(), game.jumps());
    if (reviewed_ == now)
        return; // a selection or a hint: nothing to judge again
    frmreview->showReview(reviewGame(now.first, now.second, *engine));
    reviewed_ = std::move(now);
}

} // namespace pebblenix
