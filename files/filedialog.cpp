#include "files/filedialog.h"

#include "app/uiseam.h"

#include <QDir>
#include <QStringList>

namespace pebblenix {

namespace {

QString show(GameFileDialog& dialog, QWidget* parent, bool save) {
    const QString chosen =
        ui().fileDialog(parent, {save, dialog.Filter, dialog.InitDir, dialog.FileName});
    if (!chosen.isEmpty())
        dialog.FileName = chosen;
    return chosen;
}

} // namespace

QString GameFileDialog::ShowOpen(QWidget* parent) {
    return show(*this, parent, false);
}
QString GameFileDialog::ShowSave(QWidget* parent) {
    return show(*this, parent, true);
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
