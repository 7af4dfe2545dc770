#pragma once
// Perfect-play hints: whether a position can still end with one marble in the centre,
// and a jump that keeps that possible. Exact for every board, because the table holds
// every position reachable from the start and a centre finish from P is the same as
// reaching the complement of P from the start.

#include "game/bitboard.h"
#include "game/solutiontable.h"

#include <optional>

namespace pebblenix {

class HintEngine {
public:
    explicit HintEngine(const SolutionTable& table) : table_(table) {}

    bool canFinishInCentre(Bits board) const;
    // A jump after which a centre finish is still possible; nothing when there is none.
    std::optional<Jump> hint(Bits board) const;

private:
    const SolutionTable& table_;
};

} // namespace pebblenix
