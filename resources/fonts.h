#pragma once
// The window was laid out for fonts a Linux desktop rarely has. Each control names its
// font and point size; where the font is missing a similar one stands in, and the size
// steps down until the control's text fits inside it.

#include <QFont>
#include <QStringList>

class QWidget;

namespace pebblenix {

enum class FontKind { SansSerif, Serif, Garamond, ArialBlack, ComicSans };

QFont layoutFont(FontKind kind, double points, bool bold);

// Sets `font` on `widget`, smaller if needed so that each of `texts` fits its contents.
// A font without fallback families gets them back when a character of `texts`, or of
// `alsoShows` (what the control may show later), is missing from it.
void fitFont(QWidget* widget, QFont font, const QStringList& texts, bool wrap,
             const QString& alsoShows = QString());

// Every printable Latin-1 character: what a label showing game-file text may show.
QString latin1Printable();

// True when `text` fits inside the widget's contents with its current font.
bool textFits(const QWidget* widget, const QString& text, bool wrap);

} // namespace pebblenix
