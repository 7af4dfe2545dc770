#include "app/boardcell.h"

#include <QMouseEvent>
#include <QPainter>

namespace pebblenix {

namespace {
// The 32-pixel picture is wider than the 25-pixel cell; shifting it up and left by four
// pixels centres the marble's disc in the cell, with the whole disc inside the border.
constexpr QPoint kPictureOffset(-4, -4);
} // namespace

BoardCell::BoardCell(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setFlat(false);
    setLineWidth(1);
}

void BoardCell::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void BoardCell::setFlat(bool flat) {
    flat_ = flat;
    setFrameStyle(flat ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Sunken));
    update();
}

void BoardCell::paintEvent(QPaintEvent* event) {
    if (!picture_.isNull()) {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        painter.drawImage(kPictureOffset, picture_);
    }
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

} // namespace pebblenix
