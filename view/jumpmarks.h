#pragma once
// Show Jumps' rule: which holes the picked-up marble can jump to, and with the table of
// solutions, whether each jump keeps a finish with the last marble in the centre possible.

#include "game/board.h"

#include <array>
#include <optional>

namespace pebblenix {

class HintEngine;

// What Show Jumps marks on a hole: nothing, a jump there that is legal (while there is no
// table to judge it), or one that keeps or loses the centre finish.
enum class JumpMark { None, Legal, KeepsFinish, LosesFinish };
using JumpMarks = std::array<JumpMark, kCells>;

// The marks for the marble on `picked`; none when nothing is picked up. Without an engine
// every hole it can jump to is only Legal.
JumpMarks jumpMarks(const Marbles& board, std::optional<int> picked, const HintEngine* engine);

// Whether a mark tells which jumps keep the centre finish: that helps as a hint does.
bool showsVerdict(const JumpMarks& marks);

} // namespace pebblenix
