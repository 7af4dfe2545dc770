#include "app/colorsetting.h"

#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <cmath>

namespace pebblenix {

namespace {

const QString kKey = QStringLiteral("Color/Marble");

struct Store : QSettings {
    Store()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pebblenix"),
                    QStringLiteral("Pebblenix")) {}
};

} // namespace

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
    return Store().fileName();
}

QString ColourSetting::read() {
    const QVariant v = Store().value(kKey, QString::number(kDefaultColour));
    // A value with a comma comes back from the INI file as a list; keep it whole so that
    // it reads as the bad number it is.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

std::optional<QString> ColourSetting::write(quint8 colour) {
    Store s;
    s.setValue(kKey, QString::number(colour));
    s.sync();
    if (s.status() == QSettings::NoError)
        return std::nullopt;
    const QString folder = QFileInfo(s.fileName()).absolutePath();
    return s.status() == QSettings::AccessError
               ? QStringLiteral("%1 cannot be written").arg(s.fileName())
               : QStringLiteral("the settings in %1 are damaged").arg(folder);
}

void ColourSetting::clearAll() {
    Store s;
    s.clear();
    s.sync();
}

} // namespace pebblenix
