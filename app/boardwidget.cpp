#include "app/boardwidget.h"

#include "drawing/twips.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace pebblenix {

BoardWidget::BoardWidget(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame1"));
    for (int i = 0; i < kCells; ++i) {
        auto* cell = new BoardCell(i, this);
        cell->setObjectName(QStringLiteral("pic%1").arg(i));
        connect(cell, &BoardCell::clicked, this, &BoardWidget::clicked);
        connect(cell, &BoardCell::moveFocus, this, &BoardWidget::moveFocus);
        connect(cell, &BoardCell::jumpKey, this, &BoardWidget::keyJump);
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
                            const JumpMarks& marks, bool ringPicked) {
    if (dragFrom_)
        picked = dragFrom_;
    for (int i = 0; i < kCells; ++i) {
        const bool marble = marbles[static_cast<std::size_t>(i)];
        cell(i)->setState(marble && dragFrom_ != i ? marble_ : QImage(), marble, picked == i,
                          ringPicked && dragFrom_ != i);
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

// The marble on `from` jumps two holes that way, as a drop there would make it; the focus
// goes with it, and a screen reader is told what happened.
void BoardWidget::keyJump(int from, int dx, int dy) {
    if (!keyJumps_) {
        moveFocus(from, dx, dy);
        return;
    }
    // A hole off the board or round a row's end is refused by canJump.
    const int to = from + 2 * (dx + dy * kSide);
    Marbles shown{};
    for (int i = 0; i < kCells; ++i)
        shown[std::size_t(i)] = cell(i)->hasMarble();
    const QString name = QLatin1String(cellName(from).data());
    if (!shown[std::size_t(from)]) {
        //: What a screen reader says when Shift and an arrow key are pressed on an empty
        //: hole; %1 names the hole ("d4").
        cell(from)->announce(tr("There is no marble on %1 to jump.").arg(name));
        return;
    }
    if (dragFrom_ || !canJump(shown, from, to)) {
        //: What a screen reader says when Shift and an arrow key ask for a jump the board
        //: does not allow; %1 names the hole ("d4").
        cell(from)->announce(tr("The marble on %1 cannot jump that way.").arg(name));
        return;
    }
    emit dropped(from, to);
    if (!cell(to)->hasMarble() || cell(from)->hasMarble())
        return; // refused, and the player told why
    const auto left = std::count_if(cells_.begin(), cells_.end(),
                                    [](const BoardCell* c) { return c->hasMarble(); });
    //: What a screen reader says after Shift and an arrow key made a jump: %1 the hole the
    //: marble left, %2 the one it jumped over, %3 the one it landed on ("d2", "d3", "d4");
    //: %n the marbles now on the board, always more than one.
    const QString said =
        left == 1
            ? tr("The marble on %1 jumped over %2 to %3. One marble is left.")
            : tr("The marble on %1 jumped over %2 to %3. %n marbles left.", nullptr, int(left));
    cell(to)->announce(said.arg(name, QLatin1String(cellName((from + to) / 2).data()),
                                QLatin1String(cellName(to).data())));
    cell(to)->setFocus(Qt::TabFocusReason);
}

void BoardWidget::markJump(const std::optional<Jump>& jump) {
    for (int i = 0; i < kCells; ++i)
        cell(i)->setChosen(jump && (jump->from == i || jump->to == i));
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
