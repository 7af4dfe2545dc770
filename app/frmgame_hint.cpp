// The Hint command: a jump after which the last marble can still end in the centre,
// shown by selecting its marble as a click would and blinking the hole it goes to.

#include "app/frmgame.h"

#include "app/hintservice.h"
#include "game/bitboard.h"

#include <QApplication>
#include <QCursor>

namespace pebblenix {

void frmgame::mnuhint_Click() {
    HintService& service = HintService::instance();
    const bool waiting = !service.isReady();
    if (waiting)
        QApplication::setOverrideCursor(Qt::BusyCursor); // the first hint maps the table
    service.whenReady(this, [this, waiting](const HintEngine* engine, const QString& error) {
        if (waiting)
            QApplication::restoreOverrideCursor();
        showHint(engine, error);
    });
}

void frmgame::showHint(const HintEngine* engine, const QString& error) {
    if (!engine) {
        tellFailure(this, QStringLiteral("Hints are not available, because the table of "
                                         "solutions cannot be used.\r\n%1.")
                              .arg(error));
        return;
    }
    const auto jump = engine->hint(toBits(game.marbles()));
    if (!jump) {
        ui().message(this, QString::fromLatin1(kProgramTitle), QString::fromLatin1(kNoFinishText),
                     MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    // Select the marble as a click would, without starting the clock.
    game.select(jump->fromCell);
    refresh();
    for (BoardCell* cell : pic) // one hint on the board at a time
        cell->stopBlinking();
    pic[static_cast<std::size_t>(jump->toCell)]->blink();
}

} // namespace pebblenix
