#include "game/movereview.h"

namespace pebblenix {

MovesReview reviewMoves(const Marbles& first, const std::vector<Jump>& jumps,
                        const FewestMoves& engine) {
    MovesReview review;
    Bits board = toBits(first);
    review.fewestAtStart = engine.fewestMoves(board);
    std::optional<int> before = review.fewestAtStart;
    int moves = 0;
    for (std::size_t i = 0; i < jumps.size(); ++i) {
        const bool newMove = i == 0 || !continuesMove(jumps[i - 1], jumps[i]);
        moves += newMove;
        const std::size_t move = static_cast<std::size_t>(moves - 1);
        board = afterJump(board, jumps[i]);
        const auto left = engine.fewestMoves(board, jumps[i].to);
        const std::optional<int> after = left ? std::optional<int>(moves + *left) : std::nullopt;
        review.moveOf.push_back(move);
        review.fewestAfter.push_back(after);
        if (after && before && *after > *before) {
            if (!review.costlyMove) {
                review.costlyMove = move;
                review.enough = *before - static_cast<int>(move);
            }
            if (*review.costlyMove == move)
                review.needed = *after - static_cast<int>(move);
        }
        before = after;
    }
    return review;
}

} // namespace pebblenix
