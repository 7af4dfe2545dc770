#include "files/colorsetting.h"

#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <cmath>

namespace pebblenix {

namespace {

// A settings file is a handful of lines; nothing longer is read.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

} // namespace

std::optional<QString> readIniValue(const QByteArray& text, const QString& section,
                                    const QString& key) {
    QString current;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current != section || equals < 0 || line.left(equals).trimmed() != key)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

std::optional<quint8> parseColourSetting(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value); // the default rounding: half to even
    if (whole < 0 || whole > 255)
        return std::nullopt;
    return static_cast<quint8>(whole);
}

QString ColourSetting::filePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Pebblenix/Pebblenix.ini"));
}

QString ColourSetting::read() {
    const QString fallback = QString::number(kDefaultColour);
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return fallback;
    // A file that cannot be read counts as a damaged setting: the empty text fails to
    // read as a colour, and the start-up's failure path then removes it.
    const auto text = readFileBounded(path, kMaxSettingsBytes);
    if (!text)
        return QString();
    return readIniValue(*text, QStringLiteral("Color"), QStringLiteral("Marble"))
        .value_or(fallback);
}

std::optional<QString> ColourSetting::write(quint8 colour) {
    const QString path = filePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        //: Why the marble colour could not be saved. %1 is the path of the settings folder.
        return QCoreApplication::translate("Files", "the folder %1 cannot be made")
            .arg(QDir::toNativeSeparators(folder));
    const QByteArray text = "[Color]\nMarble=" + QByteArray::number(colour) + "\n";
    if (const auto failure = writeFileAtomically(path, text))
        //: Why the marble colour could not be saved. %1 is the path of the settings file,
        //: %2 the reason, such as "No space left on device".
        return QCoreApplication::translate("Files", "%1 cannot be written (%2)")
            .arg(QDir::toNativeSeparators(path), *failure);
    return std::nullopt;
}

std::optional<QString> ColourSetting::clearAll() {
    QFile file(filePath());
    const QFileInfo info(file.fileName());
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    if (info.isDir())
        //: Why the stored marble colour cannot be removed. %1 is the path of the settings file.
        return QCoreApplication::translate("Files", "%1 is a folder")
            .arg(QDir::toNativeSeparators(file.fileName()));
    if (file.remove())
        return std::nullopt;
    //: Why the stored marble colour cannot be removed. %1 is the path of the settings file,
    //: %2 the system's reason, such as "Permission denied".
    return QCoreApplication::translate("Files", "%1 cannot be removed (%2)")
        .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

} // namespace pebblenix
