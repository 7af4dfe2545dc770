#include "app/accessibility.h"

#include "app/boardcell.h"
#include "game/board.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QVariant>

namespace pebblenix {

namespace {

constexpr char kCaption[] = "pebblenixCaption";

class CellInterface final : public QAccessibleWidget {
public:
    explicit CellInterface(BoardCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const auto* c = static_cast<const BoardCell*>(widget());
        switch (t) {
        case QAccessible::Name:
            return QString::fromLatin1(cellName(c->index()).data());
        case QAccessible::Description: // and what a key just did there
            return c->announcement().isEmpty()
                       ? c->stateText()
                       : c->stateText() + QStringLiteral(". ") + c->announcement();
        case QAccessible::Value:
            return c->stateText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* c = static_cast<const BoardCell*>(widget());
        s.checkable = true;
        s.checked = c->isFlat() && c->hasMarble();
        return s;
    }
};

class CaptionedLabelInterface final : public QAccessibleWidget {
public:
    explicit CaptionedLabelInterface(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t == QAccessible::Name)
            //: What a screen reader says for the clock or the count: %1 is its caption
            //: ("Time on Hand"), %2 the value shown ("087").
            return QCoreApplication::translate("pebblenix::frmgame", "%1: %2")
                .arg(label->property(kCaption).toString(), label->text());
        if (t == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* cell = qobject_cast<BoardCell*>(object))
        return new CellInterface(cell);
    if (auto* label = qobject_cast<QLabel*>(object); label && label->property(kCaption).isValid())
        return new CaptionedLabelInterface(label);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(factory);
    installed = true;
}

void setAccessibleCaption(QLabel* label, const QString& caption) {
    label->setProperty(kCaption, caption);
}

} // namespace pebblenix
