#pragma once
// The window's one open/save dialog for game files, and where it first opens.

#include <QString>

class QWidget;

namespace pebblenix {

class UiSeam;

// Shared by Open, Save and Save As: its filter in Qt's form, the folder it first opens in,
// and the last name chosen. It is shown through the seam, so tests can answer it.
struct FileDialog {
    QString Filter;
    QString InitDir;
    QString FileName;

    // The chosen name, or empty when cancelled. No extension is added to a typed name.
    QString ShowOpen(UiSeam& ui, QWidget* parent) { return show(ui, parent, false); }
    QString ShowSave(UiSeam& ui, QWidget* parent) { return show(ui, parent, true); }

private:
    QString show(UiSeam& ui, QWidget* parent, bool save);
};

// The program's own folder, unless the program is installed system-wide, where no player
// keeps games; then the user's documents folder.
QString initialDialogFolder(const QString& programFolder, const QString& documentsFolder);

} // namespace pebblenix
