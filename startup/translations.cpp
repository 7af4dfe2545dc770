#include "startup/translations.h"

#include "files/atomicfile.h"
#include "files/installed.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <map>

namespace pebblenix {

namespace {

// Ours are some 15 KB each; a list of sums, a few hundred bytes.
constexpr qint64 kMaxTranslationBytes = 4 << 20;
constexpr qint64 kMaxSumsBytes = 64 * 1024;

// A translator reading from bytes checked beforehand, which it keeps while it lives: Qt
// reads the translations from them on every lookup.
class CheckedTranslator : public QTranslator {
public:
    CheckedTranslator(QByteArray bytes, QObject* parent)
        : QTranslator(parent), bytes_(std::move(bytes)) {}
    bool loadChecked() {
        return load(reinterpret_cast<const uchar*>(bytes_.constData()),
                    static_cast<int>(bytes_.size()));
    }

private:
    QByteArray bytes_;
};

// "de_DE.UTF-8@euro" as "de_DE", "pt-BR" as "pt_BR".
QString codeOf(QString entry) {
    entry = entry.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    return entry.replace(QLatin1Char('-'), QLatin1Char('_'));
}

// The file name of the translation for `code`.
QString fileFor(const QString& code) {
    return QStringLiteral("pebblenix_%1.qm").arg(code);
}

// The sums the build listed, by file name.
std::map<QString, QByteArray> readSums(const QString& folder) {
    std::map<QString, QByteArray> sums;
    const auto text = readFileBounded(QDir(folder).filePath(QString::fromLatin1(kTranslationSums)),
                                      kMaxSumsBytes);
    for (const QByteArray& line : text.value_or(QByteArray()).split('\n')) {
        const qsizetype gap = line.indexOf("  ");
        if (gap > 0)
            sums[QString::fromUtf8(line.mid(gap + 2))] = line.left(gap);
    }
    return sums;
}

} // namespace

QString findTranslationsFolder(const QString& programFolder) {
    return findInstalled(programFolder, nullptr, QStringLiteral("translations"),
                         InstalledKind::Folder);
}

QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const QStringList& shipped) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale.isEmpty())
            locale = variable(name);
    const auto isPlain = [](const QString& code) {
        return code.isEmpty() || code == u"C" || code == u"POSIX";
    };
    if (isPlain(locale))
        return QString();
    QStringList entries = variable("LANGUAGE").split(QLatin1Char(':'));
    entries << locale;
    for (const QString& entry : entries) {
        if (entry.isEmpty())
            continue;
        const QString code = codeOf(entry);
        const QString language = code.section(QLatin1Char('_'), 0, 0);
        if (isPlain(code) || language == u"en")
            return QString();
        if (shipped.contains(code))
            return code;
        if (shipped.contains(language))
            return language;
        if (code != language)
            continue;
        for (const QString& variant : shipped) // "pt" finds our one Portuguese, pt_BR
            if (variant.startsWith(language + QLatin1Char('_')))
                return variant;
    }
    return QString();
}

QString installTranslations(QCoreApplication& app, const QString& folder) {
    QStringList shipped;
    for (const QString& name :
         QDir(folder).entryList({QStringLiteral("pebblenix_*.qm")}, QDir::Files))
        shipped << QFileInfo(name).completeBaseName().section(QLatin1Char('_'), 1);
    const QString language =
        chooseLanguage([](const char* name) { return qEnvironmentVariable(name); }, shipped);
    if (language.isEmpty())
        return QString();
    const QString path = QDir(folder).filePath(fileFor(language));
    auto bytes = readFileBounded(path, kMaxTranslationBytes);
    const auto sums = readSums(folder);
    const auto sum = sums.find(fileFor(language));
    auto* own = new CheckedTranslator(bytes.value_or(QByteArray()), &app);
    if (!bytes || sum == sums.end() ||
        QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex() != sum->second ||
        !own->loadChecked()) {
        delete own;
        //: One line on standard error when the program's translation file is damaged or
        //: does not match the list of sums the build wrote beside it. %1 is the program's
        //: name, %2 the file's path.
        QTextStream(stderr)
            << QCoreApplication::translate("Files",
                                           "%1: %2 is damaged, so the texts are in English.")
                   .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                        QDir::toNativeSeparators(path))
            << "\n";
        return QString();
    }
    QCoreApplication::installTranslator(own);
    // Qt's own translations are the system's, and trusted as the rest of Qt is.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace pebblenix
