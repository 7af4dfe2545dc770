#include "app/enginewait.h"

#include "seam/uiseam.h"
#include "session/hintservice.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace pebblenix {

void withHintEngine(HintService& service, UiSeam& ui, QWidget* window,
                    std::function<void(const HintEngine&)> use) {
    if (!service.isReady()) {
        QApplication::setOverrideCursor(Qt::BusyCursor); // the first use reads the table
        // Whatever becomes of the window by then, the cursor comes back.
        service.whenReady(
            qApp, [](const HintEngine*, const QString&) { QApplication::restoreOverrideCursor(); });
    }
    service.whenReady(window, [&ui, window, use](const HintEngine* engine, const QString& error) {
        if (!engine) {
            //: %1 says why the table of solutions (a file installed with the game) cannot
            //: be used.
            ui.tellFailure(
                window, QCoreApplication::translate("pebblenix::frmgame",
                                                    "Hints are not available, because the table of "
                                                    "solutions cannot be used.\r\n%1.")
                            .arg(error));
            return;
        }
        use(*engine);
    });
}

} // namespace pebblenix
