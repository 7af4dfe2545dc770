#include "drawing/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <map>

namespace pebblenix {

namespace {

QStringList candidates(FontKind kind) {
    switch (kind) {
    case FontKind::SansSerif:
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                QStringLiteral("Sans Serif")};
    case FontKind::Serif:
        return {QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"),
                QStringLiteral("Liberation Serif"), QStringLiteral("Serif")};
    case FontKind::Garamond:
        return {QStringLiteral("Garamond"), QStringLiteral("EB Garamond"),
                QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")};
    case FontKind::ArialBlack:
        return {QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"),
                QStringLiteral("Sans Serif")};
    case FontKind::ComicSans:
        return {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    }
    return {};
}

// The installed ones of a kind's families, found once: a family the system lacks sends
// every font lookup through fontconfig's fallback search.
QStringList families(FontKind kind) {
    static std::map<FontKind, QStringList> known;
    auto [it, isNew] = known.try_emplace(kind);
    if (isNew) {
        static const QStringList installed = QFontDatabase::families();
        const QStringList all = candidates(kind);
        for (const QString& family : all) // the last is a generic name, kept as it is
            if (family == all.last() || installed.contains(family, Qt::CaseInsensitive))
                it->second << family;
    }
    return it->second;
}

QRect available(const QWidget* widget) {
    QRect r = widget->contentsRect();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        const QMargins m = edit->textMargins();
        r = r.marginsRemoved(m).adjusted(2, 0, -2, 0); // the line edit's own inner margin
    }
    return r;
}

QRect needed(const QWidget* widget, const QFont& font, const QString& text, bool wrap) {
    // A label keeps the line breaks of its text; a line edit has one line.
    int flags = wrap                                     ? Qt::TextWordWrap
                : qobject_cast<const QLineEdit*>(widget) ? Qt::TextSingleLine
                                                         : 0;
    if (qobject_cast<const QPushButton*>(widget))
        flags |= Qt::TextShowMnemonic; // the & of a shortcut letter takes no room
    return QFontMetrics(font).boundingRect(QRect(0, 0, available(widget).width(), 10000), flags,
                                           text);
}

bool fits(const QWidget* widget, const QFont& font, const QString& text, bool wrap) {
    const QRect room = available(widget), need = needed(widget, font, text, wrap);
    return need.width() <= room.width() && need.height() <= room.height();
}

} // namespace

QFont layoutFont(FontKind kind, double points, bool bold) {
    QFont font;
    font.setFamilies(families(kind));
    // Sizes are in points at 96 dots per inch, as the layout was drawn; pixel sizes keep
    // the texts inside their controls whatever DPI the desktop reports.
    font.setPixelSize(std::max(1, static_cast<int>(points * 96.0 / 72.0 + 0.5)));
    font.setBold(bold);
    // One font, no fallbacks: looking up fallback families for each face costs start-up
    // time, and fitFont() gives them back to a text this font cannot show.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QString latin1Printable() {
    QString all;
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        if (c < 0x7F || c >= 0xA0)
            all += QChar(c);
    return all;
}

int readablePixels(int basePixels) {
    return std::max(kEightPointPixels, (basePixels * 9 + 9) / 10);
}

bool textFits(const QWidget* widget, const QString& text, bool wrap) {
    return fits(widget, widget->font(), text, wrap);
}

// The size is found with metrics alone and set once, and few sizes are measured: each new
// size costs a font engine, which is most of the start-up time. A single line's width grows
// with the size, close to a straight line between two measured sizes, so the search starts
// where the first measure says the line will fit and measures a larger size only when the
// line through the two measures lets it fit.
bool fitFont(QWidget* widget, QFont font, const QStringList& texts, bool wrap,
             const QString& alsoShows, int floorPixels) {
    if (font.styleStrategy() & QFont::NoFontMerging) { // a text the font cannot show gets fallbacks
        const QFontMetrics metrics(font);
        for (const QString& text : texts + QStringList{alsoShows})
            for (char32_t c : text.toUcs4())
                if (!QChar::isSpace(c) && !metrics.inFontUcs4(c))
                    font.setStyleStrategy(QFont::PreferDefault);
    }
    const auto allFit = [&] {
        return std::all_of(texts.begin(), texts.end(),
                           [&](const QString& text) { return fits(widget, font, text, wrap); });
    };
    bool fit = allFit();
    if (!fit) {
        if (font.pixelSize() < 0) // a size in points: go on in the pixels it has now
            font.setPixelSize(QFontInfo(font).pixelSize());
        const int start = font.pixelSize();
        const int floor = std::min(start, floorPixels > 0 ? floorPixels : readablePixels(start));
        int size = std::max(floor, start - 1);
        const int room = available(widget).width();
        const auto widest = [&](int pixels) {
            QFont sized = font;
            sized.setPixelSize(pixels);
            int width = 0;
            for (const QString& text : texts)
                width = std::max(width, needed(widget, sized, text, false).width());
            return width;
        };
        if (const int full = wrap ? 0 : widest(start); full > room) {
            // Smaller sizes come out a little wider than in proportion: aim half a pixel low.
            size = std::max(floor, static_cast<int>(double(start) * room / full - 0.5));
            for (int width = widest(size);
                 width <= room && size + 1 < start &&
                 width + (full - width + start - size - 1) / (start - size) <= room;
                 width = widest(size))
                ++size;
        }
        font.setPixelSize(size);
        while (!(fit = allFit()) && font.pixelSize() > floor)
            font.setPixelSize(font.pixelSize() - 1);
    }
    widget->setFont(font);
    return fit;
}

} // namespace pebblenix
