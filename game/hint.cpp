#include "game/hint.h"

namespace pebblenix {

bool HintEngine::canFinishInCentre(Bits board) const {
    return table_.contains(compress(canonical(kAllHoles & ~board)));
}

std::optional<Jump> HintEngine::hint(Bits board) const {
    board &= kAllHoles;
    for (const Jump& j : allJumps())
        if (jumpPossible(board, j) && canFinishInCentre(afterJump(board, j)))
            return j;
    return std::nullopt;
}

} // namespace pebblenix
