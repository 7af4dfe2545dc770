#pragma once
// One hole of the board as the player sees it: a framed picture cell, shown or hidden,
// with the sunken 3D look or, for the selected marble, the flat look.

#include <QFrame>
#include <QImage>
#include <QString>

namespace pebblenix {

class BoardCell : public QFrame {
    Q_OBJECT
public:
    BoardCell(int index, QWidget* parent);

    int index() const { return index_; }

    // Shows a marble (with its picture) or an empty hole, selected or not.
    void setState(const QImage& picture, bool marble, bool selected);
    bool hasMarble() const { return marble_; }
    const QImage& Picture() const { return picture_; }

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

    // Draws a ring inside the border that blinks for about a second; it changes nothing
    // else, so it cannot be mistaken for a selection.
    void blink();
    void stopBlinking();
    bool isMarked() const { return marked_; }

    // What a screen reader says of the hole: "marble", "empty", or "selected marble".
    QString stateText() const;
    // The keyboard focus mark shows only once the keyboard has been used on the board.
    bool showsFocusMark() const { return hasFocus() && focusMark_; }

signals:
    void clicked(int index);
    void moveFocus(int index, int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
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
    bool pressed_ = false;
    bool marked_ = false;
    bool focusMark_ = false;
    int blinksLeft_ = 0;
};

} // namespace pebblenix
