#pragma once
// The fewest moves to one marble in the centre, where a move is one marble's chain of
// jumps, and a line of play that takes no more. Exact for every board: one lookup in the
// table of solutions gives the complement's rank, and the table of fewest moves the count.

#include "game/bitboard.h"
#include "game/movecount.h"
#include "game/movetable.h"
#include "game/solutiontable.h"

#include <optional>
#include <vector>

namespace pebblenix {

class FewestMoves {
public:
    FewestMoves(const SolutionTable& hints, const MoveTable& moves)
        : hints_(hints), moves_(moves) {}

    // The fewest moves from `board` to one marble in the centre; nothing when no centre
    // finish is possible.
    std::optional<int> fewestMoves(Bits board) const;
    // The same in the middle of a move: the marble on `moving` has just jumped, and jumps
    // it goes on with belong to the move already counted.
    std::optional<int> fewestMoves(Bits board, std::optional<int> moving) const;

    // A finish in that many moves, the first of them going on with the marble on `moving`
    // when that is one of the fewest; nothing when none is possible. The same board
    // always gives the same line, and the line from a board reached by playing the
    // line's first jump is the rest of it. At every step it takes the first move that
    // keeps the fewest: first jumps in the hint engine's order, then each chain's jumps
    // in that order, shorter before longer.
    std::optional<MoveLine> fewestMovesLine(Bits board,
                                            std::optional<int> moving = std::nullopt) const;

private:
    // The chain of the marble on `cell` that first reaches a board of `wanted` fewest
    // moves, the board itself (no jump) not counted; nothing when none does.
    std::optional<std::vector<Jump>> chainTo(Bits board, int cell, int wanted) const;
    // The fewest moves of any board the marble on `cell` reaches by a chain, or -1.
    int bestChainEnd(Bits board, int cell) const;

    const SolutionTable& hints_;
    const MoveTable& moves_;
};

} // namespace pebblenix
