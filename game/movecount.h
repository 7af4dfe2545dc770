#pragma once
// Moves as players count them: a move is one marble's chain of jumps, so a jump by the
// marble that has just landed belongs to the move before it. Taking a jump back gives
// back that jump; the count always follows from the jumps that are left.

#include "game/board.h"

#include <optional>
#include <vector>

namespace pebblenix {

// Moves, each the jumps of one marble in turn.
using MoveLine = std::vector<std::vector<Jump>>;

// Whether `next` goes on with the move of `previous`.
constexpr bool continuesMove(const Jump& previous, const Jump& next) {
    return next.from == previous.to;
}

int moveCount(const std::vector<Jump>& jumps);
MoveLine groupByMove(const std::vector<Jump>& jumps);

// The cell of the marble whose move may go on: where the last jump landed; nothing before
// the first jump.
std::optional<int> movingMarble(const std::vector<Jump>& jumps);

} // namespace pebblenix
