#include "game/review.h"

#include "game/bitboard.h"

#include <bit>

namespace pebblenix {

Review reviewGame(const Marbles& first, const std::vector<Move>& jumps, const HintEngine& engine) {
    Review review;
    Bits board = toBits(first);
    review.startFinishable = engine.canFinishInCentre(board);
    bool possible = review.startFinishable;
    for (const Move& m : jumps) {
        const Bits before = board;
        board = afterJump(board, jumpMask(m.from, m.to));
        const bool after = engine.canFinishInCentre(board);
        if (possible && !after && !review.losing) {
            review.losing = review.jumps.size();
            if (const auto keep = engine.hint(before))
                review.keeper = Move{keep->fromCell, keep->toCell};
        }
        possible = after;
        review.jumps.push_back({m, std::popcount(board), after});
    }
    return review;
}

QString moveName(Move move) {
    return QStringLiteral("%1 -> %2")
        .arg(QLatin1String(cellName(move.from).data()), QLatin1String(cellName(move.to).data()));
}

} // namespace pebblenix
