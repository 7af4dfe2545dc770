#include "startup/commandline.h"

#include <QFile>
#include <QStringList>

namespace pebblenix {

namespace {

// A command-line argument as a file name; nothing when its bytes do not come back
// unchanged from text, since the text would then name another file.
std::optional<QString> fileNameFromArgument(const QByteArray& argument) {
    QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) != argument)
        return std::nullopt;
    return name;
}

} // namespace

CommandLinePath commandLinePath(const QByteArrayList& arguments) {
    QStringList names;
    bool isText = true;
    for (const QByteArray& argument : arguments) {
        const auto name = fileNameFromArgument(argument);
        isText = isText && name;
        names << name.value_or(QFile::decodeName(argument));
    }
    return {names.join(QLatin1Char(' ')), isText};
}

} // namespace pebblenix
