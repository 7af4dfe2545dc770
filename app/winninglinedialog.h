#pragma once
// Winning Line: the jumps that take the board in front of the player to one marble in the
// centre, one a row with the marbles left after each, or the sentence that says there is
// no such line. Fewest Moves shows instead a line of the fewest moves, one move a row. A
// button makes the line's next jump on the board.

#include "app/jumplistdialog.h"
#include "game/game.h"
#include "game/movecount.h"

#include <optional>
#include <vector>

class QRadioButton;

namespace pebblenix {

class UiSeam;

class WinningLineDialog : public JumpListDialog {
    Q_OBJECT
public:
    // The choice of line is the one stored; a choice that cannot be stored is told
    // through `ui`.
    WinningLineDialog(QWidget* parent, UiSeam& ui);

    QRadioButton* anyLine = nullptr;
    QRadioButton* fewestMoves = nullptr;

    // The line from a board of `marbles` marbles; nothing when no centre finish is
    // possible, and then whether the game started from a position that could finish.
    void showLine(const std::optional<std::vector<Jump>>& line, int marbles, bool startFinishable);
    // The same for a line of moves; `goesOn` when its first move is the one under way.
    void showMoves(const std::optional<MoveLine>& line, int marbles, bool startFinishable,
                   bool goesOn);

signals:
    // The player asked for the line's first jump.
    void playRequested(const Jump& jump);

protected:
    void showFrom(GameSession& session, const HintEngine& engine) override;
    void sizeToContents() override;

private:
    // Shows what no line has: no finish left, or the finish already there.
    bool showNoLine(bool noLine, bool empty, bool startFinishable);
    void addRow(const QString& number, const QString& jumps, int marblesLeft, const Jump& holes);
    // The first row chosen, and the list measured.
    void fitList();
    // As wide as the columns need, and tall enough for a dozen rows.
    void measureList();

    std::optional<Jump> next_;
    QString jumpHeader_;
    bool waiting_ = false; // for the table of fewest moves
    bool fitted_ = false;  // the list shows a line, or what stands instead, measured
};

} // namespace pebblenix
