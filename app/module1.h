#pragma once
// Start-up: show the main window, then open the game file the command line names.

#include <QByteArrayList>
#include <QStringList>

namespace pebblenix {

class frmgame;

namespace Module1 {

// The arguments after the program's name, joined with single spaces, are one file path,
// used as it stands. Returns the window, or nothing when its loading failed.
frmgame* Main(const QStringList& arguments);

// The same for the arguments as the system gives them. A name whose bytes do not come back
// unchanged from text is refused with its reason, and nothing is opened: the text would
// name another file.
frmgame* FromCommandLine(const QByteArrayList& arguments);

} // namespace Module1
} // namespace pebblenix
