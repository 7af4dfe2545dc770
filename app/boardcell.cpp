#include "app/boardcell.h"

#include "drawing/boardmarks.h"
#include "drawing/marblepictures.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace pebblenix {

namespace {
// The 32-pixel picture is wider than the 25-pixel cell; shifting it up and left by four
// pixels centres the marble's disc in the cell, with the whole disc inside the border.
constexpr int kPictureOffset = -4;
} // namespace

BoardCell::BoardCell(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setFlat(false);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardCell::setState(const QImage& picture, bool marble, bool selected, bool ringed) {
    ringed = ringed && selected && marble;
    if (marble == marble_ && selected == flat_ && ringed == ringed_ &&
        picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    marble_ = marble;
    ringed_ = ringed;
    announcement_.clear();
    setFlat(selected);
}

void BoardCell::setChosen(bool chosen) {
    if (std::exchange(chosen_, chosen) != chosen)
        update();
}

void BoardCell::announce(const QString& text) {
    announcement_ = text;
    stateChanged();
}

QString BoardCell::stateText() const {
    if (marble_ && flat_)
        //: What a screen reader says of a hole of the board after its name ("d4"): its marble
        //: is picked up, ready to jump.
        return tr("selected marble");
    if (marble_)
        //: What a screen reader says of a hole of the board after its name ("d4").
        return tr("marble");
    switch (mark_) {
    case JumpMark::KeepsFinish:
        //: What a screen reader says of a hole after its name ("d4, empty, a jump here keeps
        //: the centre finish") when Show Jumps marks it: the picked-up marble can jump here,
        //: and the last marble can then still finish in the centre hole.
        return tr("empty, a jump here keeps the centre finish");
    case JumpMark::LosesFinish:
        //: As "empty, a jump here keeps the centre finish", but after this jump the last
        //: marble can no longer finish in the centre hole.
        return tr("empty, a jump here loses the centre finish");
    case JumpMark::Legal:
        //: As "empty, a jump here keeps the centre finish", when the game cannot tell
        //: whether the jump keeps a finish in the centre (its table of solutions is missing).
        return tr("empty, the picked-up marble can jump here");
    case JumpMark::None:
        break;
    }
    //: What a screen reader says of a hole of the board after its name ("d4"): it holds no
    //: marble.
    return tr("empty");
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

void BoardCell::setZoom(int percent) {
    zoom_ = percent;
    setLineWidth(std::max(1, percent / 100));
    update();
}

QPoint BoardCell::pictureOffset() const {
    const int shift = kPictureOffset * zoom_ / 100;
    return {shift, shift};
}

void BoardCell::setJumpMark(JumpMark mark) {
    if (mark == mark_)
        return;
    mark_ = mark;
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
        painter.drawImage(pictureOffset(), picture_);
        painter.restore();
    }
    const qreal unit = zoom_ / 100.0;
    if (ringed_) // round the disc's centre, which lies a little above the cell's
        drawPickedRing(painter, pictureOffset() + kMarbleDisc.center() * unit, unit);
    if (chosen_)
        drawChosenHole(painter, rect(), unit);
    drawJumpMark(painter, QRectF(rect()).center(), unit, mark_);
    const int k = lineWidth(); // the marks grow with the border
    if (marked_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2 * k));
        painter.drawRect(rect().adjusted(2 * k, 2 * k, -3 * k, -3 * k));
    }
    if (showsFocusMark()) { // a dashed corner-to-corner box, unlike any other look
        painter.setPen(QPen(palette().color(QPalette::WindowText), k, Qt::DashLine));
        painter.drawRect(rect().adjusted(k, k, -2 * k, -2 * k));
    }
    painter.end();
    QFrame::paintEvent(event);
}

// A press and release on the cell is a click. A marble pressed and moved further than a
// click would go is dragged instead: this cell keeps the mouse until the release.
void BoardCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
    event->accept();
}

void BoardCell::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (!pressed_ || !(event->buttons() & Qt::LeftButton))
        return;
    if (!dragging_ &&
        (!marble_ || (at - pressedAt_).manhattanLength() < QApplication::startDragDistance()))
        return;
    dragging_ = true;
    emit dragged(index_, pressedAt_, at);
}

void BoardCell::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool left = pressed_ && event->button() == Qt::LeftButton;
    const bool inside = rect().contains(at);
    const bool wasDragging = std::exchange(dragging_, false);
    pressed_ = false;
    event->accept();
    if (wasDragging && left && !inside) {
        emit dropped(index_, at);
        return;
    }
    if (wasDragging)
        emit dragCancelled(index_);
    if (left && inside)
        emit clicked(index_);
}

void BoardCell::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        dragging_ = pressed_ = false;
        emit dragCancelled(index_);
        event->accept();
        return;
    }
    focusMark_ = true;
    announcement_.clear();
    // An arrow moves the focus a hole; with Shift the marble jumps two.
    const auto step = [this, jump = bool(event->modifiers() & Qt::ShiftModifier)](int dx, int dy) {
        if (jump)
            emit jumpKey(index_, dx, dy);
        else
            emit moveFocus(index_, dx, dy);
    };
    switch (event->key()) {
    case Qt::Key_Left:
        step(-1, 0);
        break;
    case Qt::Key_Right:
        step(1, 0);
        break;
    case Qt::Key_Up:
        step(0, -1);
        break;
    case Qt::Key_Down:
        step(0, 1);
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
    if (std::exchange(dragging_, false)) { // another window took over: the marble goes back
        pressed_ = false;
        emit dragCancelled(index_);
    }
    focusMark_ = false;
    announcement_.clear();
    update();
    QFrame::focusOutEvent(event);
}

} // namespace pebblenix
