#include "app/boardwidget.h"

#include "drawing/twips.h"

#include <QLabel>
#include <QPixmap>

namespace pebblenix {

BoardWidget::BoardWidget(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame1"));
    for (int i = 0; i < kCells; ++i) {
        auto* cell = new BoardCell(i, this);
        cell->setObjectName(QStringLiteral("pic%1").arg(i));
        connect(cell, &BoardCell::clicked, this, &BoardWidget::clicked);
        connect(cell, &BoardCell::moveFocus, this, &BoardWidget::moveFocus);
        connect(cell, &BoardCell::dragged, this, &BoardWidget::marbleDragged);
        connect(cell, &BoardCell::dropped, this, &BoardWidget::marbleDropped);
        connect(cell, &BoardCell::dragCancelled, this, &BoardWidget::endDrag);
        cells_[static_cast<std::size_t>(i)] = cell;
    }
}

// Each cell at its place in twips, 480 apart, multiplied by the zoom.
void BoardWidget::setZoom(int zoom, const QImage& marble) {
    endDrag(); // a marble dragged at the old size starts again at the new one
    zoom_ = zoom;
    marble_ = marble;
    for (int i = 0; i < kCells; ++i) {
        BoardCell* c = cell(i);
        c->setGeometry(px(240 + 480 * (i % kSide), zoom), px(240 + 480 * (i / kSide), zoom),
                       px(375, zoom), px(375, zoom));
        c->setZoom(zoom);
    }
}

void BoardWidget::showHoles() {
    for (int i = 0; i < kCells; ++i)
        cell(i)->setVisible(!isOffBoard(i));
}

void BoardWidget::showBoard(const Marbles& marbles, std::optional<int> picked,
                            const JumpMarks& marks) {
    if (dragFrom_)
        picked = dragFrom_;
    for (int i = 0; i < kCells; ++i) {
        const bool marble = marbles[static_cast<std::size_t>(i)];
        cell(i)->setState(marble && dragFrom_ != i ? marble_ : QImage(), marble, picked == i);
        cell(i)->setJumpMark(marks[static_cast<std::size_t>(i)]);
    }
}

// Arrow keys walk over the holes; a step that would land off the board jumps the corner
// to the next hole in that direction, or stays put at the edge.
void BoardWidget::moveFocus(int index, int dx, int dy) {
    int x = index % kSide, y = index / kSide;
    for (;;) {
        x += dx;
        y += dy;
        if (x < 0 || x >= kSide || y < 0 || y >= kSide)
            return;
        if (const int next = y * kSide + x; isHole(next)) {
            cell(next)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The dragged marble follows the pointer, over the whole window, keeping the place under
// the pointer where it was picked up.
void BoardWidget::marbleDragged(int index, QPoint from, QPoint to) {
    QWidget* over = parentWidget();
    if (!dragFrom_) {
        dragFrom_ = index;
        if (!picDragged_) {
            picDragged_ = new QLabel(over);
            picDragged_->setObjectName(QStringLiteral("picDragged"));
            picDragged_->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        picDragged_->setPixmap(QPixmap::fromImage(marble_));
        picDragged_->adjustSize();
        picDragged_->raise();
        picDragged_->show();
        emit dragChanged();
    }
    picDragged_->move(cell(index)->mapTo(over, cell(index)->pictureOffset() + to - from));
}

// Dropped on a hole, the marble asks to jump there; anywhere else it goes back.
void BoardWidget::marbleDropped(int index, QPoint at) {
    endDrag();
    if (const auto target = holeAt(cell(index)->mapTo(this, at)))
        emit dropped(index, *target);
}

void BoardWidget::endDrag() {
    if (!dragFrom_)
        return;
    dragFrom_.reset();
    picDragged_->hide();
    emit dragChanged();
}

std::optional<int> BoardWidget::holeAt(QPoint at) const {
    const int pitch = px(480, zoom_);
    for (int i = 0; i < kCells; ++i) {
        QRect square(0, 0, pitch, pitch);
        square.moveCenter(cell(i)->geometry().center());
        if (isHole(i) && square.contains(at))
            return i;
    }
    return std::nullopt;
}

void BoardWidget::blink(int index) {
    stopBlinking(); // one hint on the board at a time
    cell(index)->blink();
}

void BoardWidget::stopBlinking() {
    for (BoardCell* c : cells_)
        c->stopBlinking();
}

} // namespace pebblenix
