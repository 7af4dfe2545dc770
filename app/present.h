#pragma once
// Shows a dialog of a window's and brings it to the front, with the keyboard in it.

#include <QWidget>

namespace pebblenix {

inline void present(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace pebblenix
