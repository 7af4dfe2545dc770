#include "game/winningline.h"

#include "game/bitboard.h"

namespace pebblenix {

std::optional<std::vector<Jump>> winningLine(const Marbles& marbles, const HintEngine& engine) {
    Bits board = toBits(marbles);
    if (!engine.canFinishInCentre(board))
        return std::nullopt;
    std::vector<Jump> line;
    while (const auto jump = engine.hint(board)) {
        line.push_back(*jump);
        board = afterJump(board, *jump);
    }
    return line;
}

} // namespace pebblenix
