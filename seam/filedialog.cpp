#include "seam/filedialog.h"

#include "seam/uiseam.h"

#include <QDir>
#include <QStringList>

namespace pebblenix {

QString FileDialog::show(UiSeam& ui, QWidget* parent, bool save) {
    const QString chosen = ui.fileDialog(parent, *this, save);
    if (!chosen.isEmpty())
        FileName = chosen;
    return chosen;
}

QString initialDialogFolder(const QString& programFolder, const QString& documentsFolder) {
    static const QStringList systemPrefixes = {QStringLiteral("/usr/"),  QStringLiteral("/opt/"),
                                               QStringLiteral("/bin"),   QStringLiteral("/sbin"),
                                               QStringLiteral("/snap/"), QStringLiteral("/app/")};
    const QString folder = QDir::cleanPath(programFolder) + QLatin1Char('/');
    for (const QString& prefix : systemPrefixes)
        if (folder.startsWith(prefix))
            return documentsFolder.isEmpty() ? QDir::homePath() : documentsFolder;
    return programFolder;
}

} // namespace pebblenix
