#pragma once
// The per-user settings store: the marble colour, as the picture id 101..112 in decimal
// text under section "Color", key "Marble"; and the view (the zoom step, Show Jumps, Show
// Moves, Show Coordinates and the kind of winning line) under section "View" and Tell Me
// When It Ends under "Game", written only once the player sets them.

#include <QString>
#include <array>
#include <optional>

namespace pebblenix {

inline constexpr int kDefaultColour = 101;
// The zoom steps in percent; 100 is the window as it was drawn.
inline constexpr std::array<int, 6> kZoomSteps = {100, 125, 150, 200, 250, 300};

// The stored text as a whole number from 0 to 255: a fraction goes to the nearest whole
// number, an exact half to the even one. Nothing for a text that is no number or lies
// outside 0..255. Whether a picture exists for the id is not asked here.
std::optional<quint8> parseColourSetting(const QString& text);

// The value of `key` in `[section]` of INI text, as QSettings would read a plain string.
std::optional<QString> readIniValue(const QByteArray& text, const QString& section,
                                    const QString& key);
// `text` with `key` in `[section]` set to `value`: the line readIniValue would read is
// replaced, or the key is added to the section, or the section to the end. Every other
// line stays as it was.
QByteArray withIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value);

// The file: $XDG_CONFIG_HOME/Pebblenix/Pebblenix.ini, in the INI form QSettings reads and
// writes. It is written here rather than through QSettings, which on a full disk can commit
// a truncated file and report success; this file is replaced whole or not at all, and
// writing one setting keeps the others.
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

// The view as stored. Anything that cannot be used (a zoom that is not a step, a file
// that cannot be read) means the default, without a word: the colour's reading already
// tells of a damaged file.
struct ViewSetting {
    int zoom = 100;
    bool showJumps = false;
    bool showMoves = false;
    bool fewestMovesLine = false; // Winning Line shows a line of the fewest moves
    bool showCoordinates = false;
    bool tellWhenItEnds = false; // in section "Game"

    static ViewSetting read();
    // Each stores one value, keeping the rest; on failure returns why. An option is on
    // only when stored as "true" or "1".
    static std::optional<QString> writeZoom(int percent);
    static std::optional<QString> writeShowJumps(bool on);
    static std::optional<QString> writeShowMoves(bool on);
    static std::optional<QString> writeFewestMovesLine(bool on);
    static std::optional<QString> writeShowCoordinates(bool on);
    static std::optional<QString> writeTellWhenItEnds(bool on);
};

} // namespace pebblenix
