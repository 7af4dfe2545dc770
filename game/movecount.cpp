#include "game/movecount.h"

namespace pebblenix {

int moveCount(const std::vector<Jump>& jumps) {
    int moves = 0;
    for (std::size_t i = 0; i < jumps.size(); ++i)
        moves += i == 0 || !continuesMove(jumps[i - 1], jumps[i]);
    return moves;
}

MoveLine groupByMove(const std::vector<Jump>& jumps) {
    MoveLine moves;
    for (std::size_t i = 0; i < jumps.size(); ++i) {
        if (i == 0 || !continuesMove(jumps[i - 1], jumps[i]))
            moves.emplace_back();
        moves.back().push_back(jumps[i]);
    }
    return moves;
}

std::optional<int> movingMarble(const std::vector<Jump>& jumps) {
    if (jumps.empty())
        return std::nullopt;
    return jumps.back().to;
}

} // namespace pebblenix
