#pragma once
// Computes the table of fewest moves at build time, from the table of solutions. A finish
// from P, played backwards on complements, is a game from the start to Q, the complement
// of P, with the same jumps in reverse order; two jumps of one marble's chain in P's game
// become, in Q's, a jump that lands on the hole the jump before it left. So the layers of
// Q by marbles, from the start down, carry for each Q its fewest moves and the holes that
// the last jump of such a game may have left, and a jump onto one of them costs no move.

#include "game/solutiontable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pebblenix {

// For each key of `hints`, in rank order: the jumps from the start to its board less the
// fewest moves they take, the jumps saved by chains. Nothing, with the reason in `error`,
// when the table does not hold exactly the positions reachable from the start.
std::optional<std::vector<std::uint8_t>> movesSaved(const SolutionTable& hints, unsigned threads,
                                                    std::string& error);

} // namespace pebblenix
