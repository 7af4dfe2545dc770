#pragma once
// Winning Line: the jumps that take the board in front of the player to one marble in the
// centre, one a row with the marbles left after each, or the sentence that says there is
// no such line. A button makes the first jump on the board.

#include "app/jumplistdialog.h"
#include "game/game.h"

#include <optional>
#include <vector>

namespace pebblenix {

class WinningLineDialog : public JumpListDialog {
    Q_OBJECT
public:
    explicit WinningLineDialog(QWidget* parent);

    // The line from a board of `marbles` marbles; nothing when no centre finish is
    // possible, and then whether the game started from a position that could finish.
    void showLine(const std::optional<std::vector<Jump>>& line, int marbles, bool startFinishable);

signals:
    // The player asked for the line's first jump.
    void playRequested(const Jump& jump);

protected:
    void showFrom(GameSession& session, const HintEngine& engine) override;

private:
    std::optional<Jump> next_;
};

} // namespace pebblenix
