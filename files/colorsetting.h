#pragma once
// The one setting the game keeps: the marble colour, as the picture id 101..112 in
// decimal text, under application "Pebblenix", section "Color", key "Marble".

#include <QString>
#include <optional>

namespace pebblenix {

inline constexpr int kDefaultColour = 101;

// The stored text as a whole number from 0 to 255: a fraction goes to the nearest whole
// number, an exact half to the even one. Nothing for a text that is no number or lies
// outside 0..255. Whether a picture exists for the id is not asked here.
std::optional<quint8> parseColourSetting(const QString& text);

// The value of `key` in `[section]` of INI text, as QSettings would read a plain string.
std::optional<QString> readIniValue(const QByteArray& text, const QString& section,
                                    const QString& key);

// The per-user settings store: $XDG_CONFIG_HOME/Pebblenix/Pebblenix.ini, in the INI form
// QSettings reads and writes. It is written here rather than through QSettings, which on a
// full disk can commit a truncated file and report success; this file is replaced whole or
// not at all.
class ColourSetting {
public:
    static QString filePath();
    // The stored text, or "101" when nothing is stored.
    static QString read();
    // Stores the id; on failure returns why, and what was stored stays as it was.
    static std::optional<QString> write(quint8 colour);
    // Forgets everything the program has stored; why it could not, if it could not.
    static std::optional<QString> clearAll();
};

} // namespace pebblenix
