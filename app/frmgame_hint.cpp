// The Hint command: a jump after which the last marble can still end in the centre,
// shown by selecting its marble as a click would and blinking the hole it goes to.

#include "app/frmgame.h"

#include "app/hintservice.h"
#include "app/uiseam.h"
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
    const QString title = QStringLiteral("Pebblenix");
    if (!engine) {
        ui().message(this, title,
                     QStringLiteral("Hints are not available, because the table of solutions "
                                    "cannot be used.\r\n%1.")
                         .arg(error),
                     MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    const auto jump = engine->hint(toBits(board()));
    if (!jump) {
        ui().message(this, title, QString::fromLatin1(kNoFinishText), MsgIcon::Information,
                     MsgButtons::Ok);
        return;
    }
    // Select the marble exactly as a click would, without starting the clock.
    if (gb_ctr % 2 == 1)
        pic[static_cast<std::size_t>(chmyapp)]->setFlat(false);
    gi_from = static_cast<std::int16_t>(jump->fromCell);
    gb_ctr = 1;
    pic[static_cast<std::size_t>(jump->fromCell)]->setFlat(true);
    chmyapp = gi_from;
    for (BoardCell* cell : pic) // one hint on the board at a time
        cell->stopBlinking();
    pic[static_cast<std::size_t>(jump->toCell)]->blink();
}

} // namespace pebblenix
