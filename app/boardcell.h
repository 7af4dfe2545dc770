#pragma once
// One hole of the board as the player sees it: a framed picture cell, shown or hidden,
// with the sunken 3D look or, for the selected marble, the flat look. A marble can be
// dragged from it to another hole, or jumped by a key.

#include "view/jumpmarks.h"

#include <QFrame>
#include <QImage>
#include <QString>

namespace pebblenix {

class BoardCell : public QFrame {
    Q_OBJECT
public:
    BoardCell(int index, QWidget* parent);

    int index() const { return index_; }

    // Shows a marble (with its picture) or an empty hole, selected or not; a selected marble
    // `ringed` has a ring drawn round it too.
    void setState(const QImage& picture, bool marble, bool selected, bool ringed = false);
    bool hasMarble() const { return marble_; }
    const QImage& Picture() const { return picture_; }

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

    // Sizes the border and the picture's place for a zoom in percent.
    void setZoom(int percent);
    // Where the picture's top left corner lies in the cell: it is larger than the cell.
    QPoint pictureOffset() const;

    void setJumpMark(JumpMark mark);
    JumpMark jumpMark() const { return mark_; }
    // A hole of the jump chosen in Review Game or Winning Line is framed.
    void setChosen(bool chosen);
    bool isChosen() const { return chosen_; }

    // Draws a ring inside the border that blinks for about a second; it changes nothing
    // else, so it cannot be mistaken for a selection.
    void blink();
    void stopBlinking();
    bool isMarked() const { return marked_; }

    // What a screen reader says of the hole: "marble", "empty", or "selected marble", and
    // for a hole Show Jumps marks, what a jump there would do.
    QString stateText() const;
    // A screen reader is told `text` with the hole, until the board or the focus moves on.
    void announce(const QString& text);
    const QString& announcement() const { return announcement_; }
    // The keyboard focus mark shows only once the keyboard has been used on the board.
    bool showsFocusMark() const { return hasFocus() && focusMark_; }

signals:
    void clicked(int index);
    void moveFocus(int index, int dx, int dy);
    // Shift and an arrow key: the marble here jumps that way.
    void jumpKey(int index, int dx, int dy);
    // The marble pressed at `from` is being dragged, now at `to` (both in this cell's
    // coordinates).
    void dragged(int index, QPoint from, QPoint to);
    // The drag ended outside this cell, at `at`.
    void dropped(int index, QPoint at);
    // The drag was given up: Escape, or released over this cell again, which is a click.
    void dragCancelled(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void stateChanged();

    int index_;
    bool marble_ = false;
    QImage picture_;
    bool flat_ = false;
    bool ringed_ = false;
    bool chosen_ = false;
    QString announcement_;
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint pressedAt_;
    bool marked_ = false;
    bool focusMark_ = false;
    int blinksLeft_ = 0;
    int zoom_ = 100;
    JumpMark mark_ = JumpMark::None;
};

} // namespace pebblenix
