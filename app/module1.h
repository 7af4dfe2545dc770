#pragma once
// Start-up: show the main window, then open the game file the command line names.

#include <QStringList>

namespace pebblenix {

class frmgame;

namespace Module1 {

// The arguments after the program's name, joined with single spaces, are one file path,
// used as it stands. Returns the window, or nothing when its loading failed.
frmgame* Main(const QStringList& arguments);

} // namespace Module1
} // namespace pebblenix
