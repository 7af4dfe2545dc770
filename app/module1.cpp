#include "app/module1.h"

#include "app/frmgame.h"
#include "app/services.h"
#include "files/gamefile.h"
#include "seam/uiseam.h"
#include "startup/commandline.h"

namespace pebblenix::Module1 {

frmgame* FromCommandLine(Services& services, const QByteArrayList& arguments) {
    const CommandLinePath named = commandLinePath(arguments);
    frmgame* window = frmgame::create(services);
    if (!window)
        return nullptr;
    window->show();
    if (!named.isText)
        services.ui.tellFailure(window, invalidFileMessage(named.path, nameNotTextProblem()));
    else if (!named.path.isEmpty())
        window->OpenPebblenixFile(named.path);
    return window;
}

} // namespace pebblenix::Module1
