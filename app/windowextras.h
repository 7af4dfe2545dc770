#pragma once
// What the main window offers beyond the board it was drawn with: View > Show Coordinates,
// the jump chosen in Review Game or Winning Line marked on the board, Game > Tell Me When It
// Ends and Help > How to Play. The menu runs the commands here that the window has not.

#include "game/board.h"

#include <QObject>
#include <optional>

class QMainWindow;

namespace pebblenix {

class BoardWidget;
class GameSession;
class JumpListDialog;
class HintEngine;
class MainMenu;
class WindowZoom;
struct Services;
struct ViewSetting;

class WindowExtras : public QObject {
    Q_OBJECT
public:
    WindowExtras(QMainWindow* window, Services& services, GameSession& session, BoardWidget* board);
    // Once the menu and the zoom are made: the options as `stored`, shown checked.
    void attach(MainMenu& menu, WindowZoom& zoom, const ViewSetting& stored);

    // A Review Game or Winning Line dialog, following the zoom step, the session's game with
    // `engine`, and marking the jump chosen in it on the board while it is open; the window's
    // Undo and Rewind keys work in it too.
    template <class Dialog> Dialog* made(Dialog* dialog, const HintEngine& engine) {
        adopt(dialog, engine);
        return dialog;
    }

signals:
    // A View option was written: nothing, or why it could not be.
    void viewStored(const std::optional<QString>& failure);

public slots: // the menu items' commands, each named after its item
    void mnushowcoordinates_Click();
    void mnutellwhenends_Click();
    void mnuhowtoplay_Click();

private:
    void adopt(JumpListDialog* dialog, const HintEngine& engine);
    void markJump(const QObject* by, const std::optional<Jump>& jump);
    bool isChecked(const char* item) const;

    QMainWindow* window_;
    Services& services_;
    GameSession& session_;
    BoardWidget* board_;
    MainMenu* menu_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    const QObject* markedBy_ = nullptr; // the dialog whose chosen jump the board shows
};

} // namespace pebblenix
