#pragma once
// A winning line: the jumps that take a board to one marble in the centre, the hint
// engine's jump at every step. The same board always gives the same line, so after its
// first jump is made the rest of the line is unchanged.

#include "game/game.h"
#include "game/hint.h"

#include <optional>
#include <vector>

namespace pebblenix {

// The jumps to a centre finish, empty when the last marble already stands there; nothing
// when no centre finish is possible from `board`.
std::optional<std::vector<Jump>> winningLine(const Marbles& board, const HintEngine& engine);

} // namespace pebblenix
