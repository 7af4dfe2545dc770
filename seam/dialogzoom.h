#pragma once
// The dialogs grow with the main window's zoom step. A dialog made through here takes the
// step's font, and with it every size its layout takes from its texts, and margins and
// spacing that grow alike; it follows every later step for as long as it lives. Message
// boxes take the step through the seam. At 100 % a dialog is left exactly as it was made.

#include <QFont>
#include <QPointer>
#include <vector>

class QWidget;

namespace pebblenix {

class DialogZoom {
public:
    int percent() const { return percent_; }
    // The main window's step: every dialog made through here follows it.
    void setPercent(int percent);
    // Makes `dialog` follow the step for as long as it lives, and returns it.
    template <class Dialog> Dialog* made(Dialog* dialog) {
        follow(dialog);
        return dialog;
    }
    void follow(QWidget* dialog);

    // Shows a dialog and brings it to the front, with the keyboard in it.
    static void present(QWidget* dialog);

private:
    int percent_ = 100;
    std::vector<QPointer<QWidget>> dialogs_;
};

// Puts `dialog` at `percent` of the size it was made at. A dialog whose own sizes depend on
// the step reads zoomOf() when its font changes.
void zoomDialog(QWidget* dialog, int percent);
// The step a dialog was last put at: 100 for one never zoomed.
int zoomOf(const QWidget* dialog);
// `font` at `percent` of its size.
QFont zoomedFont(QFont font, int percent);
// `size`, no larger than nine tenths of the free area of the dialog's screen: room for its
// frame, however large the step.
QSize withinScreen(const QWidget* dialog, QSize size);

} // namespace pebblenix
