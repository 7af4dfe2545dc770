#include "resources/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace pebblenix {

namespace {

QStringList families(FontKind kind) {
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

QRect available(const QWidget* widget) {
    QRect r = widget->contentsRect();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        const QMargins m = edit->textMargins();
        r = r.marginsRemoved(m).adjusted(2, 0, -2, 0); // the line edit's own inner margin
    }
    if (qobject_cast<const QPushButton*>(widget)) { // the bevel and the focus frame
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        r = r.adjusted(margin, 2, -margin, -2);
    }
    return r;
}

} // namespace

QFont layoutFont(FontKind kind, double points, bool bold) {
    QFont font;
    font.setFamilies(families(kind));
    // Sizes are in points at 96 dots per inch, as the layout was drawn; pixel sizes keep
    // the texts inside their controls whatever DPI the desktop reports.
    font.setPixelSize(std::max(1, static_cast<int>(points * 96.0 / 72.0 + 0.5)));
    font.setBold(bold);
    return font;
}

bool textFits(const QWidget* widget, const QString& text, bool wrap) {
    const QRect room = available(widget);
    const QFontMetrics metrics(widget->font());
    int flags = wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    if (qobject_cast<const QPushButton*>(widget))
        flags |= Qt::TextShowMnemonic; // the & of a shortcut letter takes no room
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void fitFont(QWidget* widget, QFont font, const QStringList& texts, bool wrap) {
    for (;;) {
        widget->setFont(font);
        bool all = true;
        for (const QString& text : texts)
            all = all && textFits(widget, text, wrap);
        if (all)
            return;
        if (font.pixelSize() < 0) // a size in points: go on in the pixels it has now
            font.setPixelSize(QFontInfo(font).pixelSize());
        if (font.pixelSize() <= 6)
            return;
        font.setPixelSize(font.pixelSize() - 1);
    }
}

} // namespace pebblenix
