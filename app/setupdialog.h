#pragma once
// Game > Set Up Position…: a board of its own on which a click, Space or Enter puts a
// marble in a hole or takes it out (Insert puts, Delete takes, a marble dragged moves), and
// a line that says at once whether one marble can still finish in the centre and in how
// few moves, or why not. Clear, Full, Play From Here and Save As. The game in progress is
// not touched until Play From Here.

#include "game/board.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace pebblenix {

class BoardWidget;
class FewestMoves;
class HintEngine;

class SetUpDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from `board`; `marble` is the picture of a marble at the board's size.
    SetUpDialog(QWidget* parent, const Marbles& board, const QImage& marble, int zoom,
                const HintEngine& engine);

    // The fewest moves' engine, once it is read: the verdict then counts them.
    void setMoves(const FewestMoves* moves);
    const Marbles& board() const { return board_; }
    void setBoard(const Marbles& board);
    // The board at the main window's zoom, `marble` its marble's picture at it.
    void setZoom(int zoom, const QImage& marble);

    BoardWidget* boardView = nullptr;
    QLabel* count = nullptr;
    QLabel* verdict = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* fullButton = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    void playRequested(const Marbles& board);
    void saveRequested(const Marbles& board);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void put(int cell, bool marble);
    void showMarbles();
    // Only the cell that has the keyboard's place is a stop of the Tab key: Tab goes from
    // the board to the buttons, not through its 33 holes, and back to that cell.
    void keepOneTabStop(QWidget* now);

    const HintEngine& engine_;
    const FewestMoves* moves_ = nullptr;
    Marbles board_{};
};

} // namespace pebblenix
