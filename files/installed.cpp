#include "files/installed.h"

#include <QDir>
#include <QFileInfo>

namespace pebblenix {

QString findInstalled(const QString& programFolder, const char* variable, const QString& name,
                      InstalledKind kind) {
    if (variable) {
        const QString fromEnvironment = qEnvironmentVariable(variable);
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
    }
    const QDir dir(programFolder);
    const QFileInfo beside(dir.filePath(name));
    if (kind == InstalledKind::File ? beside.isFile() : beside.isDir())
        return beside.filePath();
    return QDir::cleanPath(dir.filePath(QStringLiteral("../share/pebblenix/")) + QLatin1Char('/') +
                           name);
}

} // namespace pebblenix
