#pragma once
// One hole of the board: a framed picture cell with a state text ("1" or "-1"), shown or
// hidden, with the sunken 3D look or, for the selected marble, the flat look.

#include <QFrame>
#include <QImage>
#include <QString>

namespace pebblenix {

class BoardCell : public QFrame {
    Q_OBJECT
public:
    BoardCell(int index, QWidget* parent);

    int index() const { return index_; }

    const QString& Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture); // a null image shows no picture

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

    // Draws a ring inside the border that blinks for about a second; it changes nothing
    // else, so it cannot be mistaken for a selection.
    void blink();
    void stopBlinking();
    bool isMarked() const { return marked_; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QString tag_;
    QImage picture_;
    bool flat_ = false;
    bool pressed_ = false;
    bool marked_ = false;
    int blinksLeft_ = 0;
};

} // namespace pebblenix
