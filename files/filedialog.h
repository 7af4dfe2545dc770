#pragma once
// The window's one open/save dialog, shared by Open, Save and Save As. It remembers the
// last name chosen and opens where the window's loading pointed it.

#include <QString>

class QWidget;

namespace pebblenix {

inline const QString kGameFileFilter = QStringLiteral("Pebblenix Files|*.pnx");

struct GameFileDialog {
    QString Filter = kGameFileFilter;
    QString InitDir;
    QString FileName;

    // The chosen name, or empty when cancelled. No extension is added to a typed name.
    QString ShowOpen(QWidget* parent);
    QString ShowSave(QWidget* parent);
};

// Where the dialog first opens: the program's own folder, unless the program is installed
// system-wide, where no player keeps games; then the user's documents folder.
QString initialDialogFolder(const QString& programFolder, const QString& documentsFolder);

} // namespace pebblenix
