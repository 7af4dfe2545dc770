#pragma once
// Start-up: show the main window, then open the game file the command line names.

#include <QByteArrayList>

namespace pebblenix {

class frmgame;
struct Services;

namespace Module1 {

// The arguments after the program's name are one file path (startup/commandline.h). A name
// whose bytes do not come back unchanged from text is refused with its reason, and nothing
// is opened. Returns the window, or nothing when its loading failed.
frmgame* FromCommandLine(Services& services, const QByteArrayList& arguments);

} // namespace Module1
} // namespace pebblenix
