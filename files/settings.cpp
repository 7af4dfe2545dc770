#include "files/settings.h"

#include "files/atomicfile.h"
#include "files/filelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace pebblenix {

namespace {

// A settings file is a handful of lines; nothing longer is read.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;

// One line of INI text: a section's header, a key with its value, or neither.
struct IniLine {
    std::optional<QString> section;
    std::optional<QString> key;
    QString value;
};

IniLine parseIniLine(const QByteArray& raw) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
        return {line.mid(1, line.size() - 2).trimmed(), std::nullopt, {}};
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return {std::nullopt, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

// A player's click waits this long at most for another copy writing its own setting.
constexpr int kLockWaitMs = 2000;

// Sets one key of the file and writes it whole, keeping everything else it holds: read
// again under the lock, so that another running copy's settings, written a moment ago, are
// kept too. A file that is there but cannot be read whole (unreadable, a FIFO, far too long)
// is left alone: written from nothing, it would lose the settings it holds.
std::optional<QString> writeSetting(const QString& section, const QString& key,
                                    const QString& value) {
    const QString path = ColourSetting::filePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        //: Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of
        //: the settings folder.
        return QCoreApplication::translate("Files", "the folder %1 cannot be made")
            .arg(QDir::toNativeSeparators(folder));
    FileLock lock(path);
    QString busy;
    switch (lock.tryLock(kLockWaitMs, busy)) {
    case FileLock::Outcome::Locked:
        break;
    case FileLock::Outcome::Busy:
        //: Why a setting could not be saved; said inside a sentence about the settings file.
        busy = QCoreApplication::translate("Files", "another copy of Pebblenix is writing it");
        [[fallthrough]];
    case FileLock::Outcome::Failed:
        return QCoreApplication::translate("Files", "%1 cannot be written (%2)")
            .arg(QDir::toNativeSeparators(path), busy);
    }
    QByteArray old;
    if (const QFileInfo there(path); there.exists() || there.isSymLink()) {
        QString why;
        const auto text = readFileBounded(path, kMaxSettingsBytes + 1, &why);
        if (text && text->size() > kMaxSettingsBytes)
            why = QCoreApplication::translate("Records", "it is far too long");
        if (!text || text->size() > kMaxSettingsBytes)
            //: Why a setting could not be saved. %1 is the path of the settings file, %2 why
            //: it cannot be read, such as "Permission denied".
            return QCoreApplication::translate("Files", "%1 cannot be read (%2)")
                .arg(QDir::toNativeSeparators(path), why);
        old = *text;
    }
    if (const auto failure = writeFileAtomically(path, withIniValue(old, section, key, value)))
        //: Why a setting could not be saved. %1 is the path of the settings file, %2 the
        //: reason, such as "No space left on device".
        return QCoreApplication::translate("Files", "%1 cannot be written (%2)")
            .arg(QDir::toNativeSeparators(path), *failure);
    return std::nullopt;
}

} // namespace

std::optional<QString> readIniValue(const QByteArray& text, const QString& section,
                                    const QString& key) {
    QString current;
    for (const QByteArray& raw : text.split('\n')) {
        const IniLine line = parseIniLine(raw);
        if (line.section)
            current = *line.section;
        if (current != section || line.key != key)
            continue;
        QString value = line.value;
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

QByteArray withIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value) {
    const QByteArray set = (key + QLatin1Char('=') + value).toUtf8();
    QList<QByteArray> lines = text.split('\n');
    QString current;
    std::optional<qsizetype> last; // the last line of the section's first run, so far
    bool firstRun = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine line = parseIniLine(lines[i]);
        if (line.section) {
            current = *line.section;
            firstRun = current == section && !last;
            if (firstRun)
                last = i;
            continue;
        }
        if (current != section)
            continue;
        if (line.key == key) {
            lines[i] = lines[i].endsWith('\r') ? set + '\r' : set;
            return lines.join('\n');
        }
        if (firstRun && !lines[i].trimmed().isEmpty())
            last = i;
    }
    if (last) {
        lines.insert(*last + 1, set);
        return lines.join('\n');
    }
    QByteArray out = text;
    if (!out.isEmpty()) // a blank line between sections, as QSettings writes them
        out += out.endsWith('\n') ? "\n" : "\n\n";
    return out + '[' + section.toUtf8() + "]\n" + set + '\n';
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
    return writeSetting(QStringLiteral("Color"), QStringLiteral("Marble"), QString::number(colour));
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

namespace {
bool isOn(const QByteArray& text, const QString& section, const QString& key) {
    const QString on = readIniValue(text, section, key).value_or(QString());
    return on == QLatin1String("1") || on.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}
} // namespace

ViewSetting ViewSetting::read() {
    ViewSetting view;
    const auto text = readFileBounded(ColourSetting::filePath(), kMaxSettingsBytes);
    if (!text)
        return view;
    bool ok = false;
    const int zoom = readIniValue(*text, QStringLiteral("View"), QStringLiteral("Zoom"))
                         .value_or(QString())
                         .toInt(&ok);
    if (ok && std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end())
        view.zoom = zoom;
    view.showJumps = isOn(*text, QStringLiteral("View"), QStringLiteral("ShowJumps"));
    view.showMoves = isOn(*text, QStringLiteral("View"), QStringLiteral("ShowMoves"));
    view.fewestMovesLine = isOn(*text, QStringLiteral("View"), QStringLiteral("FewestMovesLine"));
    view.showCoordinates = isOn(*text, QStringLiteral("View"), QStringLiteral("ShowCoordinates"));
    view.tellWhenItEnds = isOn(*text, QStringLiteral("Game"), QStringLiteral("TellWhenItEnds"));
    return view;
}

std::optional<QString> ViewSetting::writeZoom(int percent) {
    return writeSetting(QStringLiteral("View"), QStringLiteral("Zoom"), QString::number(percent));
}

namespace {
std::optional<QString> writeOption(const QString& section, const QString& key, bool on) {
    return writeSetting(section, key, on ? QStringLiteral("true") : QStringLiteral("false"));
}
} // namespace

std::optional<QString> ViewSetting::writeShowJumps(bool on) {
    return writeOption(QStringLiteral("View"), QStringLiteral("ShowJumps"), on);
}

std::optional<QString> ViewSetting::writeShowMoves(bool on) {
    return writeOption(QStringLiteral("View"), QStringLiteral("ShowMoves"), on);
}

std::optional<QString> ViewSetting::writeFewestMovesLine(bool on) {
    return writeOption(QStringLiteral("View"), QStringLiteral("FewestMovesLine"), on);
}

std::optional<QString> ViewSetting::writeShowCoordinates(bool on) {
    return writeOption(QStringLiteral("View"), QStringLiteral("ShowCoordinates"), on);
}

std::optional<QString> ViewSetting::writeTellWhenItEnds(bool on) {
    return writeOption(QStringLiteral("Game"), QStringLiteral("TellWhenItEnds"), on);
}

} // namespace pebblenix
