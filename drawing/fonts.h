#pragma once
// The window was laid out for fonts a Linux desktop rarely has. Each control names its
// font and point size; where the font is missing a similar one stands in, and the size
// steps down until the control's text fits inside it, but never below a readable size:
// a translation that does not fit there wraps or makes its control grow.

#include <QFont>
#include <QStringList>

class QWidget;

namespace pebblenix {

enum class FontKind { SansSerif, Serif, Garamond, ArialBlack, ComicSans };

QFont layoutFont(FontKind kind, double points, bool bold);

// 8 points at 96 dots per inch (10.67 pixels), rounded up: no text is fitted smaller.
inline constexpr int kEightPointPixels = 11;

// The smallest pixel size a text is fitted to: 8 points, or 90 % of its base size,
// whichever is larger.
int readablePixels(int basePixels);

// The floor for a text that is the same in every language and is fitted to its control at
// whatever size it takes: game-file data and the contact line.
inline constexpr int kAnySize = 6;

// Sets `font` on `widget`, smaller if needed so that each of `texts` fits its contents,
// but not below `floorPixels` (readablePixels() of the font's size when 0). Returns
// whether they fit; when they do not, the font is at its floor and the caller makes room.
// A font without fallback families gets them back when a character of `texts`, or of
// `alsoShows` (what the control may show later), is missing from it.
bool fitFont(QWidget* widget, QFont font, const QStringList& texts, bool wrap,
             const QString& alsoShows = QString(), int floorPixels = 0);

// Every printable Latin-1 character: what a label showing game-file text may show.
QString latin1Printable();

// True when `text` fits inside the widget's contents with its current font.
bool textFits(const QWidget* widget, const QString& text, bool wrap);

} // namespace pebblenix
