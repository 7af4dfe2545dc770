#pragma once
// The main window at a zoom step: its controls laid out and the marbles drawn for the step
// and the screen's density, the steps its screen has room for, the View menu's zoom items
// and the window's one size at each step, with or without the board's coordinates. The
// dialogs follow the step.

#include "app/windowlayout.h"

#include <QImage>
#include <QObject>
#include <optional>

class QMainWindow;

namespace pebblenix {

class DialogZoom;
class MainMenu;

class WindowZoom : public QObject {
    Q_OBJECT
public:
    WindowZoom(QMainWindow* window, const WindowControls& controls, MainMenu& menu,
               DialogZoom& dialogs);

    // Starts at `zoom`, or at the largest step the screen has room for; false when
    // `colour` has no picture. Nothing is laid out yet.
    bool start(int colour, int zoom);
    // Lays the window out at the zoom.
    void layOut();
    // Keeps the window at its one size for the zoom.
    void fixSize();
    // Lays the window out again after a line or the coordinates were shown or hidden: at
    // the step last chosen, or at the largest the screen has room for, which is not stored.
    void refit();

    void zoomIn();
    void zoomOut();
    void actualSize();
    // Shows the board's coordinates, the window growing to hold them, or hides them.
    void setCoordinates(bool on);
    // Greys out the steps the screen has no room for.
    void updateActions();
    // The window went to another screen: its density draws the marbles, its room bounds
    // the steps.
    void screenChanged();

signals:
    // The window shows a new zoom or marble: its board must be shown again.
    void changed();
    // A new zoom was stored, or `failure` says why it could not be.
    void stored(const std::optional<QString>& failure);

private:
    void setZoom(int percent);
    // Lays the window out again at `percent` and tells who follows it.
    void apply(int percent);
    // The largest step at which the window fits the screen's available area.
    int largest() const;
    QImage drawMarble() const;

    QMainWindow* window_;
    WindowControls controls_;
    MainMenu& menu_;
    DialogZoom& dialogs_;
    bool coordinates_ = false;
    int colour_ = 0;
    int zoom_ = 100;
    int chosen_ = 100; // stored, or chosen since
    QImage marble_;
};

} // namespace pebblenix
