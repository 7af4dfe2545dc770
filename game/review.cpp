#include "game/review.h"

#include "game/bitboard.h"

#include <bit>

namespace pebblenix {

Review reviewGame(const Marbles& first, const std::vector<Jump>& jumps, const HintEngine& engine) {
    Review review;
    Bits board = toBits(first);
    review.startFinishable = engine.canFinishInCentre(board);
    bool possible = review.startFinishable;
    for (const Jump& j : jumps) {
        const Bits before = board;
        board = afterJump(board, j);
        const bool after = engine.canFinishInCentre(board);
        if (possible && !after && !review.losing) {
            review.losing = review.jumps.size();
            if (const auto keep = engine.hint(before))
                review.keeper = keep;
        }
        possible = after;
        review.jumps.push_back({j, std::popcount(board), after});
    }
    return review;
}

QString jumpName(const Jump& jump) {
    return moveName({jump});
}

QString moveName(const std::vector<Jump>& move) {
    QString name = QLatin1String(cellName(move.front().from).data());
    for (const Jump& j : move)
        name += QStringLiteral(" -> ") + QLatin1String(cellName(j.to).data());
    return name;
}

} // namespace pebblenix
