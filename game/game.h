#pragma once
// A game in progress: the board, the selected marble, the marble count, the clock and the
// jumps made. Every rule a player meets is decided here; the window only shows the result.

#include "game/board.h"
#include "game/position.h"
#include "game/records.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace pebblenix {

enum class Outcome {
    Nothing,             // an empty hole clicked with no marble selected
    Selected,            // the clicked marble is now selected
    Deselected,          // the selection was dropped and nothing moved
    Jumped,              // a jump was made and more than one marble is left
    Won,                 // a jump left one marble, in the centre
    LastMarbleOffCentre, // a jump left one marble, elsewhere
    Rewound,             // the board went back to before a jump of the list
    Refused,             // the jump was not made; `reason` says why
};

struct Result {
    Outcome outcome = Outcome::Nothing;
    QString reason;
    std::optional<Finish> finished = std::nullopt; // this jump ended the game
};

// Stores the position before a jump where Undo will find it. Returns why it could not;
// the jump is then not made.
using BeforeJump = std::function<std::optional<QString>(const Position& before)>;

class Game {
public:
    Game();

    const Marbles& marbles() const { return position_.marbles; }
    bool hasMarble(int cell) const { return position_.marbles[static_cast<std::size_t>(cell)]; }
    std::optional<int> selection() const { return selection_; }
    quint8 count() const { return position_.count; }
    const QString& countText() const { return position_.countText; }
    const QString& clock() const { return position_.clock; }
    bool clockRunning() const { return clockRunning_; }
    // Stops the clock at the end of a game. A click starts it again only once Undo, a rewind
    // or a file has changed the position.
    void stopClock();
    // More than one marble and not one jump left: a dead end.
    bool deadEnd() const;
    const Position& position() const { return position_; }
    // The engine has helped this game (a hint, Review Game, the winning line; a rewind
    // marks itself): its finish will say so.
    void markAssisted() { assisted_ = true; }

    // The jumps made since the position was last set, and the position they start from.
    const std::vector<Jump>& jumps() const { return jumps_; }
    const Marbles& firstPosition() const { return first_; }

    // A click on a hole: starts the clock, then selects, drops the selection or jumps.
    Result click(int cell, const BeforeJump& beforeJump = {});
    // The jump from `from` to `to`, if the board allows it; the selection ends either way.
    Result jump(int from, int to, const BeforeJump& beforeJump = {});
    // Selects a marble as a click would, without starting the clock.
    void select(int cell);
    // One second of the countdown.
    void tick();

    // A position read from a game file: the jump list starts anew from it, and so does
    // the game, unhelped and not ended. The selection and the clock's running stay as
    // they are.
    void setPosition(const Position& position);
    // Back to the position before jump `jump` of the list (counted from 0): the later
    // jumps are taken back, their marbles counted again; the clock is left alone. Like a
    // jump, it first stores the position it leaves, so that Undo can return to it. The game
    // counts as helped from then on.
    Result rewind(std::size_t jump, const BeforeJump& beforeJump = {});
    // The position Undo read back. When it is the one saved before the last jump, the jump
    // list goes back with it.
    void restore(const Position& position);

private:
    bool saveForUndo(const BeforeJump& beforeJump, Result& refused);

    Position position_;
    std::optional<int> selection_;
    bool clockRunning_ = false;
    bool clockStopped_ = false;
    Marbles first_;
    std::vector<Jump> jumps_;
    bool fromStart_ = true; // without Open: a centre finish counts its moves
    bool assisted_ = false;
    // The game has ended and been counted; only a change of position by Undo or a
    // rewind lets it end, and count, again.
    bool ended_ = false;
    // What the undo file was given last, and the jump list that went with it.
    struct Saved {
        Marbles board;
        Marbles first;
        std::vector<Jump> jumps;
        bool fromStart;
        bool assisted;
    };
    std::optional<Saved> saved_;
};

} // namespace pebblenix
