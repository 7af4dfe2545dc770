#include "app/module1.h"

#include "app/frmgame.h"
#include "files/gamefile.h"

#include <QFile>

namespace pebblenix::Module1 {

namespace {

frmgame* start(const QString& commandLine, bool isText) {
    frmgame* window = frmgame::create();
    if (!window)
        return nullptr;
    window->show();
    if (!isText)
        tellFailure(window, invalidFileMessage(commandLine, nameNotTextProblem()));
    else if (!commandLine.isEmpty())
        window->OpenPebblenixFile(commandLine);
    return window;
}

} // namespace

frmgame* FromCommandLine(const QByteArrayList& arguments) {
    QStringList names;
    bool isText = true;
    for (const QByteArray& argument : arguments) {
        const auto name = fileNameFromArgument(argument);
        isText = isText && name;
        names << name.value_or(QFile::decodeName(argument));
    }
    return start(names.join(QLatin1Char(' ')), isText);
}

} // namespace pebblenix::Module1
