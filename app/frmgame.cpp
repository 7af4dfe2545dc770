// The main window's life: loading, closing, and replacing it with a fresh one for a new
// game or a new marble colour.

#include "app/frmgame.h"

#include "about/frmabout.h"
#include "app/recordsdialog.h"
#include "app/reviewdialog.h"
#include "app/winninglinedialog.h"
#include "drawing/marblepictures.h"
#include "files/gamefile.h"
#include "files/settings.h"
#include "files/undofolder.h"
#include "seam/filedialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace pebblenix {

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
} // namespace

frmgame* frmgame::create() {
    auto* window = new frmgame();
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    // A new window stands centred on the screen, never where the window it replaces stood.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    return window;
}

bool frmgame::Form_Load() {
    CDiabox.InitDir =
        initialDialogFolder(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // A zoom the screen has no room for shows at the largest step that fits; the stored
    // one stays for a larger screen.
    const ViewSetting view = ViewSetting::read();
    zoom_ = std::min(view.zoom, largestZoom());
    // A stored colour that is no number from 0 to 255, or has no picture, cannot be used.
    const auto colour = parseColourSetting(ColourSetting::read());
    colid = colour.value_or(0);
    marble_ = colour ? marblePicture(colid, pictureScale(), zoom_) : QImage();
    if (marble_.isNull()) {
        // The failure path forgets the colour, so that the next start is dark blue. One that
        // cannot be forgotten would stop every start: say which file is wrong and go on now.
        const auto stuck = ColourSetting::clearAll();
        if (!stuck) {
            loadFailurePath();
            return false;
        }
        //: %1 names the settings file and why it cannot be removed.
        tellFailure(nullptr, tr("The stored marble colour cannot be used or removed, "
                                "so the game starts in dark blue.\r\n%1.")
                                 .arg(*stuck));
        colid = kDefaultColour;
        marble_ = marblePicture(colid, pictureScale(), zoom_);
    }
    layOut();
    updateZoomActions();
    mnushowjumps->setChecked(view.showJumps);
    wantVerdicts();
    ResetGame();
    // The undo file lives in the user's own private folder: in the shared temporary
    // folder any other user could plant a link or a file of its name.
    const UndoFolder undo = chooseUndoFolder(
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation), QDir::tempPath());
    tempdir = undo.path;
    if (undo.fresh) // this window's alone: it goes with the window
        connect(this, &QObject::destroyed, [folder = undo.path] {
            QFile::remove(undoFilePath(folder));
            QDir().rmdir(folder);
        });
    DelTempFile(); // a leftover of an earlier window: a new window has nothing to undo
    return true;
}

void frmgame::loadFailurePath() {
    // Forgetting the settings lets the next start succeed with the default colour.
    ColourSetting::clearAll();
    //: Shown when the stored marble colour cannot be used; the game then ends. The
    //: English misspelling is kept as written on purpose.
    tellFailure(nullptr, tr("Unknown error has occured."));
    DelTempFile();
    ui().endProgram(1);
}

void frmgame::closeEvent(QCloseEvent* event) {
    int Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel) {
        event->ignore();
        return;
    }
    Timer1->stop();
    event->accept();
}

void frmgame::Form_Unload(int& Cancel) {
    //: Asked with Yes and No before the game window closes: Yes closes it.
    if (gb_showboredbox && ui().message(this, kTitle, tr("Bored So Early?"), MsgIcon::Question,
                                        MsgButtons::YesNo) == MsgAnswer::No)
        Cancel = 1;
    DelTempFile();
}

void frmgame::replaceWindow() {
    frmgame* fresh = create();
    if (!fresh)
        return; // its loading failed and has ended the program
    fresh->show();
    // The dialogs that follow the board follow it to the new window, where they stood.
    const auto carry = [this, fresh](auto dialog, void (frmgame::*open)()) {
        if (!(this->*dialog) || !(this->*dialog)->isVisible())
            return;
        (fresh->*open)();
        if (fresh->*dialog)
            (fresh->*dialog)->move((this->*dialog)->pos());
    };
    carry(&frmgame::frmreview, &frmgame::mnureview_Click);
    carry(&frmgame::frmwinningline, &frmgame::mnuwinningline_Click);
    carry(&frmgame::frmrecords, &frmgame::mnurecords_Click);
    gb_showboredbox = false;
    close();
}

bool frmgame::confirmNewGame() {
    //: Asked with Yes and No by Game > New, and by a colour chosen during a game.
    return ui().message(this, kTitle, tr("Start A New Game?"), MsgIcon::Question,
                        MsgButtons::YesNo) == MsgAnswer::Yes;
}

void frmgame::mnunew_Click() {
    if (confirmNewGame())
        replaceWindow();
}

void frmgame::mnuexit_Click() {
    close();
}

void frmgame::SaveMarbleColor(quint8 col) {
    // A new colour starts a new game: one in progress is not thrown away without asking.
    if (!game.jumps().empty() && !confirmNewGame())
        return;
    if (const auto failure = ColourSetting::write(col)) {
        //: %1 names the settings file and why it cannot be written.
        tellFailure(this, tr("The marble colour could not be saved, so the game goes "
                             "on in the colour it has.\r\n%1.")
                              .arg(*failure));
        return;
    }
    replaceWindow();
}

void frmgame::present(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void frmgame::mnuabout_Click() {
    frmAbout::showShared();
}

} // namespace pebblenix
