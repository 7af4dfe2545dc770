#pragma once
// View > Show Moves: a line below the contact line with the moves made, a chain of jumps
// by one marble counting once, and the fewest moves that still finish with the last marble
// in the centre. Off, the window is as it was drawn; on, it grows by the line.

#include "app/windowlayout.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace pebblenix {

class GameSession;
class MainMenu;
class WindowZoom;

// Every text label `label` of the line may show, to fit its font to.
QStringList movesLineTexts(int label);

class MovesLine : public QObject {
    Q_OBJECT
public:
    // Shown when `on` (as stored), which the menu's item then shows checked; laid out with
    // the window, so made before its size is.
    MovesLine(GameSession& session, const WindowControls& controls, MainMenu& menu,
              WindowZoom& zoom, bool on);

    // The menu's item was chosen: the line follows it and the choice is stored; why it
    // could not be, if it could not.
    std::optional<QString> toggled();

private:
    void setShown(bool on);
    // Shows the session's moves; the fewest once their table is read, which the first
    // time starts it reading. A game whose fewest moves are shown is played with help.
    void update();

    GameSession& session_;
    std::array<QLabel*, 2> labels_;
    MainMenu& menu_;
    WindowZoom& zoom_;
    bool waiting_ = false; // for the table
};

} // namespace pebblenix
