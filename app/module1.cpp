#include "app/module1.h"

#include "app/frmgame.h"

namespace pebblenix::Module1 {

frmgame* Main(const QStringList& arguments) {
    frmgame* window = frmgame::create();
    if (!window)
        return nullptr;
    window->show();
    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (!commandLine.isEmpty())
        window->OpenPebblenixFile(commandLine);
    return window;
}

} // namespace pebblenix::Module1
