// Records: the one store of the player's records, and the dialog that shows them.

#include "app/frmgame.h"

#include "app/recordsdialog.h"
#include "files/recordsfile.h"

#include <QApplication>

namespace pebblenix {

RecordsFile& frmgame::records() {
    // Made once and kept with the application, so that a game still waiting for another
    // copy's lock is written when this window has long been replaced.
    static RecordsFile* file = [] {
        auto* made = new RecordsFile(RecordsFile::defaultPath(), qApp);
        connect(made, &RecordsFile::problem, made, [](const QString& text) {
            ui().message(QApplication::activeWindow(), QString::fromLatin1(kProgramTitle), text,
                         MsgIcon::Exclamation, MsgButtons::Ok);
        });
        return made;
    }();
    return *file;
}

void frmgame::mnurecords_Click() {
    if (!frmrecords) {
        frmrecords = new RecordsDialog(this);
        RecordsDialog* dialog = frmrecords;
        connect(dialog, &RecordsDialog::resetConfirmed, this, [] { records().reset(); });
        connect(&records(), &RecordsFile::changed, dialog,
                [dialog] { dialog->showRecords(records().read()); });
    }
    frmrecords->showRecords(records().read());
    present(frmrecords);
}

} // namespace pebblenix
