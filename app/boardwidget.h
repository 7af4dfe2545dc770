#pragma once
// The board as the player sees and handles it: the frame of 49 cells, of which the 33
// holes show, a marble dragged from one hole to another, the arrow keys' walk over the
// holes and the jumps of Shift and an arrow, a hint's blinking hole and a chosen jump's
// holes. It shows a board it is given and tells what the player did; the rules are the
// game's.

#include "app/boardcell.h"
#include "game/board.h"
#include "view/jumpmarks.h"

#include <QGroupBox>
#include <QImage>
#include <array>
#include <optional>

class QLabel;

namespace pebblenix {

class BoardWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit BoardWidget(QWidget* parent);

    BoardCell* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    const std::array<BoardCell*, kCells>& cells() const { return cells_; }

    // Places the cells for a zoom in percent; `marble` is the marble's picture at it.
    void setZoom(int zoom, const QImage& marble);
    int zoom() const { return zoom_; }
    const QImage& marble() const { return marble_; }
    // Shows the marbles, the picked-up marble (its cell flat, and ringed when `ringPicked`)
    // and Show Jumps' marks. A dragged marble is picked up, and its picture follows the
    // pointer instead.
    void showBoard(const Marbles& marbles, std::optional<int> picked, const JumpMarks& marks,
                   bool ringPicked = false);
    // Shows the off-board cells hidden and the holes shown.
    void showHoles();

    // The cell whose marble is being dragged.
    std::optional<int> dragged() const { return dragFrom_; }
    // Puts a dragged marble back where it was.
    void endDrag();

    // Blinks a hole for about a second, one at a time.
    void blink(int cell);
    void stopBlinking();

    // Frames the two holes of `jump`, or none.
    void markJump(const std::optional<Jump>& jump);
    // Whether Shift and an arrow jump the focused marble; otherwise they move the focus as
    // the arrow alone does (a board being set up has no jumps).
    void setKeyJumps(bool on) { keyJumps_ = on; }

signals:
    void clicked(int index);
    // A marble dragged from `from` was let go over hole `to`, or a key asked it to jump
    // there.
    void dropped(int from, int to);
    // A drag began or ended: the picked-up marble changed.
    void dragChanged();

private:
    void moveFocus(int index, int dx, int dy);
    void keyJump(int index, int dx, int dy);
    void marbleDragged(int index, QPoint from, QPoint to);
    void marbleDropped(int index, QPoint at);
    // The hole whose square of the board holds `at`, a point in this frame.
    std::optional<int> holeAt(QPoint at) const;

    std::array<BoardCell*, kCells> cells_{};
    QLabel* picDragged_ = nullptr; // made on the first drag, over the window's controls
    std::optional<int> dragFrom_;
    QImage marble_;
    int zoom_ = 100;
    bool keyJumps_ = true;
};

} // namespace pebblenix
