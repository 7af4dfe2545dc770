// The main window's game-file commands, Open, Save and Save As, and the one-step Undo
// that reads back the position saved before the last jump.

#include "app/frmgame.h"

#include "app/uiseam.h"
#include "files/gamefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace pebblenix {

namespace {

const QString kTitle = QStringLiteral("Pebblenix");

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

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
    Position p;
    p.marbles = board();
    p.clock = lbltime->text();
    p.countText = lblmarbles_On_hand->text();
    return writeGameFile(fname, p);
}

bool frmgame::OpenPebblenixFile(const QString& fname) {
    return loadPosition(fname, true);
}

bool frmgame::loadPosition(const QString& fname, bool makeCurrent) {
    const ReadResult read = readGameFile(fname);
    if (read.status == ReadStatus::FolderMissing)
        return false;
    if (read.status == ReadStatus::Invalid) {
        // The game in progress is worth more than a mistaken file: say what is wrong and
        // leave everything as it was.
        ui().message(this, kTitle, invalidFileMessage(fname, read.problem), MsgIcon::Critical,
                     MsgButtons::Ok);
        return false;
    }
    const Position& p = *read.position;
    for (int i = 0; i < kCells; ++i) {
        if (p.marbles[static_cast<std::size_t>(i)])
            showMarble(i);
        else
            showEmpty(i);
    }
    lbltime->setText(p.clock);
    lblmarbles_On_hand->setText(p.countText);
    Marbles_On_Board = p.count;
    if (makeCurrent) {
        PebblenixFile = fname;
        gb_showsave = false;
    }
    return true;
}

void frmgame::mnuopen_Click() {
    const QString name = CDiabox.ShowOpen(this);
    if (!name.isEmpty())
        OpenPebblenixFile(name);
}

namespace {

bool saveOrSay(frmgame* window, const QString& name) {
    if (const auto failure = window->SavePebblenixFile(name)) {
        ui().message(window, kTitle,
                     QStringLiteral("The game could not be saved.\r\n%1: %2.")
                         .arg(shownPath(name), *failure),
                     MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    return true;
}

} // namespace

void frmgame::mnusave_Click() {
    QString name = PebblenixFile;
    if (gb_showsave) {
        name = CDiabox.ShowSave(this);
        if (name.isEmpty())
            return;
    }
    if (!saveOrSay(this, name))
        return;
    PebblenixFile = name;
    gb_showsave = false;
}

void frmgame::mnusaveas_Click() {
    const QString name = CDiabox.ShowSave(this);
    if (name.isEmpty() || !saveOrSay(this, name))
        return;
    PebblenixFile = name;
    gb_showsave = false;
}

void frmgame::mnuundo_Click() {
    const QString path = TempFilePath();
    if (QFileInfo(path).isFile())
        loadPosition(path, false);
}

} // namespace pebblenix
