// The main window's game-file commands, Open, Save and Save As, and the one-step Undo
// that reads back the position saved before the last jump.

#include "app/frmgame.h"

#include "files/gamefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pebblenix {

QString frmgame::TempFilePath() const {
    return undoFilePath(tempdir);
}

void frmgame::DelTempFile() {
    if (tempdir.isEmpty())
        return; // loading failed before the temporary folder was known
    const QString path = TempFilePath();
    if (QFileInfo(path).isFile())
        QFile::remove(path); // a file that will not go is left; the next jump replaces it
}

std::optional<QString> frmgame::SavePebblenixFile(const QString& fname) {
    return writeGameFile(fname, game.position());
}

namespace {

// Reads a game file; an invalid one is told and gives nothing, as does a missing folder.
std::optional<Position> readOrSay(QWidget* window, const QString& fname) {
    const ReadResult read = readGameFile(fname);
    // The game in progress is worth more than a mistaken file: say what is wrong and
    // leave everything as it was.
    if (read.status == ReadStatus::Invalid)
        tellFailure(window, invalidFileMessage(fname, read.problem));
    return read.position;
}

} // namespace

bool frmgame::OpenPebblenixFile(const QString& fname) {
    const auto position = readOrSay(this, fname);
    if (!position)
        return false;
    game.setPosition(*position);
    refresh();
    PebblenixFile = fname;
    return true;
}

void frmgame::mnuopen_Click() {
    const QString name = CDiabox.ShowOpen(this);
    if (!name.isEmpty())
        OpenPebblenixFile(name);
}

void frmgame::saveTo(const QString& name) {
    if (name.isEmpty())
        return; // the dialog was cancelled
    if (const auto failure = SavePebblenixFile(name)) {
        //: %1 is the game file's path, %2 why it could not be written.
        tellFailure(this, tr("The game could not be saved.\r\n%1: %2.")
                              .arg(QDir::toNativeSeparators(name), *failure));
        return;
    }
    PebblenixFile = name;
}

void frmgame::mnusave_Click() {
    saveTo(gb_showsave() ? CDiabox.ShowSave(this) : PebblenixFile);
}

void frmgame::mnusaveas_Click() {
    saveTo(CDiabox.ShowSave(this));
}

// Undo reads the undo file back but never makes it the player's file.
void frmgame::mnuundo_Click() {
    const QString path = TempFilePath();
    if (!QFileInfo(path).isFile())
        return;
    if (const auto position = readOrSay(this, path)) {
        game.restore(*position);
        refresh();
    }
}

} // namespace pebblenix
