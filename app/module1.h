#pragma once
// Start-up: show the main window, then open the game file the command line names.

#include <QByteArrayList>

namespace pebblenix {

class frmgame;

namespace Module1 {

// The arguments after the program's name, as the system gives them, joined with single
// spaces, are one file path, used as it stands. A name whose bytes do not come back
// unchanged from text is refused with its reason, and nothing is opened: the text would
// name another file. Returns the window, or nothing when its loading failed.
frmgame* FromCommandLine(const QByteArrayList& arguments);

} // namespace Module1
} // namespace pebblenix
