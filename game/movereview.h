#pragma once
// Judging a game by its moves: the fewest moves of a finish that begins with the game's
// jumps so far can only grow, and the first move after which it grew is the one that made
// the finish take more moves than needed ("from here 12 moves were enough; after this
// move 13").

#include "game/fewestmoves.h"

#include <optional>
#include <vector>

namespace pebblenix {

struct MovesReview {
    // Per jump: the move it belongs to (from 0), and the fewest moves of a whole finish
    // that begins with the game's jumps up to it; nothing once no centre finish is left.
    std::vector<std::size_t> moveOf;
    std::vector<std::optional<int>> fewestAfter;
    std::optional<int> fewestAtStart; // of a finish from the first position
    // The first move after which a finish took more moves than before it, where both still
    // had one; counted from the position before that move: the moves that were enough
    // then, and the fewest with that move (after its last jump that kept a finish).
    std::optional<std::size_t> costlyMove;
    int enough = 0;
    int needed = 0;
};

// The fewest moves for each position of the game: one lookup and the chains of the
// moving marble.
MovesReview reviewMoves(const Marbles& first, const std::vector<Jump>& jumps,
                        const FewestMoves& engine);

} // namespace pebblenix
