#include "app/boardcell.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace pebblenix {

namespace {
// The 32-pixel picture is wider than the 25-pixel cell; shifting it up and left by four
// pixels centres the marble's disc in the cell, with the whole disc inside the border.
constexpr QPoint kPictureOffset(-4, -4);
} // namespace

BoardCell::BoardCell(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setFlat(false);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardCell::setState(const QImage& picture, bool marble, bool selected) {
    if (marble == marble_ && selected == flat_ && picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    marble_ = marble;
    setFlat(selected);
}

QString BoardCell::stateText() const {
    //: What a screen reader says of a hole of the board after its name ("d4"): it holds no
    //: marble.
    if (!marble_)
        return tr("empty");
    //: What a screen reader says of a hole of the board after its name ("d4"): its marble is
    //: picked up, ready to jump.
    if (flat_)
        return tr("selected marble");
    //: What a screen reader says of a hole of the board after its name ("d4").
    return tr("marble");
}

void BoardCell::stateChanged() {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardCell::setFlat(bool flat) {
    flat_ = flat;
    setFrameStyle(flat ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Sunken));
    update();
    stateChanged();
}

void BoardCell::blink() {
    const bool idle = blinksLeft_ == 0;
    blinksLeft_ = 6;
    marked_ = true;
    update();
    if (!idle)
        return; // already blinking: just run a full second again
    auto* timer = new QTimer(this);
    timer->setInterval(170);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        marked_ = --blinksLeft_ > 0 && !marked_;
        if (blinksLeft_ <= 0) {
            marked_ = false;
            timer->deleteLater();
        }
        update();
    });
    timer->start();
}

void BoardCell::stopBlinking() {
    if (blinksLeft_ > 0)
        blinksLeft_ = 1; // the running timer ends at its next tick
    marked_ = false;
    update();
}

void BoardCell::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(contentsRect());
        painter.drawImage(kPictureOffset, picture_);
        painter.restore();
    }
    if (marked_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    if (showsFocusMark()) { // a dashed corner-to-corner box, unlike any other look
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    painter.end();
    QFrame::paintEvent(event);
}

void BoardCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void BoardCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(index_);
}

void BoardCell::keyPressEvent(QKeyEvent* event) {
    focusMark_ = true;
    switch (event->key()) {
    case Qt::Key_Left:
        emit moveFocus(index_, -1, 0);
        break;
    case Qt::Key_Right:
        emit moveFocus(index_, 1, 0);
        break;
    case Qt::Key_Up:
        emit moveFocus(index_, 0, -1);
        break;
    case Qt::Key_Down:
        emit moveFocus(index_, 0, 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        update();
        emit clicked(index_);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardCell::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    focusMark_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                 reason == Qt::ShortcutFocusReason;
    update();
    QFrame::focusInEvent(event);
}

void BoardCell::focusOutEvent(QFocusEvent* event) {
    focusMark_ = false;
    update();
    QFrame::focusOutEvent(event);
}

} // namespace pebblenix
