#include "app/windowextras.h"

#include "app/boardwidget.h"
#include "app/howtoplaydialog.h"
#include "app/jumplistdialog.h"
#include "app/mainmenu.h"
#include "app/services.h"
#include "app/windowzoom.h"
#include "files/settings.h"
#include "seam/uiseam.h"
#include "session/gamesession.h"

#include <QMainWindow>

namespace pebblenix {

WindowExtras::WindowExtras(QMainWindow* window, Services& services, GameSession& session,
                           BoardWidget* board)
    : QObject(window), window_(window), services_(services), session_(session), board_(board) {
    connect(&session, &GameSession::noJumpLeft, this, [this](int marbles) {
        //: Told when Game > Tell Me When It Ends is on and a jump leaves no jump on the board;
        //: %n the marbles left, always more than one.
        services_.ui.tellInformation(window_,
                                     tr("No jump is left: %n marbles remain.", nullptr, marbles));
    });
}

void WindowExtras::attach(MainMenu& menu, WindowZoom& zoom, const ViewSetting& stored) {
    menu_ = &menu;
    zoom_ = &zoom;
    menu.setChecked(QStringLiteral("mnushowcoordinates"), stored.showCoordinates);
    zoom.setCoordinates(stored.showCoordinates); // before the window is first laid out
    menu.setChecked(QStringLiteral("mnutellwhenends"), stored.tellWhenItEnds);
    session_.setTellWhenItEnds(stored.tellWhenItEnds);
}

bool WindowExtras::isChecked(const char* item) const {
    return menu_->isChecked(QString::fromLatin1(item));
}

void WindowExtras::mnushowcoordinates_Click() {
    const bool on = isChecked("mnushowcoordinates");
    zoom_->setCoordinates(on);
    emit viewStored(ViewSetting::writeShowCoordinates(on));
}

void WindowExtras::mnutellwhenends_Click() {
    const bool on = isChecked("mnutellwhenends");
    session_.setTellWhenItEnds(on);
    if (const auto failure = ViewSetting::writeTellWhenItEnds(on))
        //: After a change of Game > Tell Me When It Ends. %1 says which file could not be
        //: written and why.
        services_.ui.tellFailure(window_, tr("The Game menu's setting could not be saved, so "
                                             "the next game opens with the one stored "
                                             "before.\r\n%1.")
                                              .arg(*failure));
}

void WindowExtras::mnuhowtoplay_Click() {
    HowToPlayDialog::present(services_.howToPlay, services_.ui.dialogZoom);
}

void WindowExtras::adopt(JumpListDialog* dialog, const HintEngine& engine) {
    services_.ui.dialogZoom.follow(dialog);
    dialog->addActions({menu_->item(QStringLiteral("mnuundo")),
                        menu_->item(QStringLiteral("mnurewind"))}); // Ctrl+Z, Ctrl+R
    connect(dialog, &JumpListDialog::jumpChosen, this,
            [this, dialog](const std::optional<Jump>& jump) { markJump(dialog, jump); });
    connect(dialog, &QObject::destroyed, this, [this, dialog] { markJump(dialog, std::nullopt); });
    dialog->follow(session_, engine);
}

// The latest choice is shown, in whichever dialog it was made.
void WindowExtras::markJump(const QObject* by, const std::optional<Jump>& jump) {
    if (!jump && by != markedBy_)
        return; // the other dialog's choice stays
    markedBy_ = jump ? by : nullptr;
    board_->markJump(jump);
}

} // namespace pebblenix
