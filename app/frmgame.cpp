// The main window's life: loading, closing, and replacing it with a fresh one for a new
// game or a new marble colour.

#include "app/frmgame.h"

#include "about/frmabout.h"
#include "app/colorsetting.h"
#include "app/uiseam.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <stdexcept>

namespace pebblenix {

namespace {
const QString kTitle = QStringLiteral("Pebblenix");
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
    try {
        CDiabox.InitDir = initialDialogFolder(
            QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const auto colour = parseColourSetting(ColourSetting::read());
        if (!colour)
            throw std::runtime_error("the stored marble colour is not a number from 0 to 255");
        colid = *colour;
        ResetGame();
        tempdir = QDir::tempPath();
        const QString leftover = TempFilePath();
        if (QFile::exists(leftover))
            QFile::remove(leftover);
        return true;
    } catch (const std::exception&) {
        loadFailurePath();
        return false;
    }
}

void frmgame::loadFailurePath() {
    // Forgetting the settings lets the next start succeed with the default colour.
    ColourSetting::clearAll();
    ui().message(nullptr, kTitle, QStringLiteral("Unknown error has occured."), MsgIcon::Critical,
                 MsgButtons::Ok);
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
    if (gb_showboredbox && ui().message(this, kTitle, QStringLiteral("Bored So Early?"),
                                        MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::No)
        Cancel = 1;
    DelTempFile();
}

void frmgame::replaceWindow() {
    frmgame* fresh = create();
    if (!fresh)
        return; // its loading failed and has ended the program
    fresh->show();
    gb_showboredbox = false;
    close();
}

void frmgame::mnunew_Click() {
    if (ui().message(this, kTitle, QStringLiteral("Start A New Game?"), MsgIcon::Question,
                     MsgButtons::YesNo) == MsgAnswer::Yes)
        replaceWindow();
}

void frmgame::mnuexit_Click() {
    close();
}

void frmgame::SaveMarbleColor(quint8 col) {
    if (const auto failure = ColourSetting::write(col)) {
        ui().message(this, kTitle,
                     QStringLiteral("The marble colour could not be saved, so the game goes on "
                                    "in the colour it has.\r\n%1.")
                         .arg(*failure),
                     MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    replaceWindow();
}

void frmgame::mnuabout_Click() {
    frmAbout::showShared();
}

} // namespace pebblenix
