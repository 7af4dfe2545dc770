#include "files/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pebblenix {

QString findTranslationsFolder(const QString& programFolder) {
    const QDir dir(programFolder);
    const QString beside = dir.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(dir.filePath(QStringLiteral("../share/pebblenix/translations")));
}

QString installTranslations(QCoreApplication& app, const QString& folder) {
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in the order the system gives them.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale locale(name);
        // A list like "en:de" asks for English first; English is the source, not a file.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QString();
        auto* own = new QTranslator(&app);
        if (!own->load(locale, QStringLiteral("pebblenix"), QStringLiteral("_"), folder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return QFileInfo(own->filePath()).completeBaseName().section(QLatin1Char('_'), 1, -1);
    }
    return QString();
}

} // namespace pebblenix
