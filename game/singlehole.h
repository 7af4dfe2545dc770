#pragma once
// The full board with one hole empty, for each of the 33 holes: from which of them the last
// marble can finish in the centre, and why not from the others.

#include "game/bitboard.h"

#include <QString>
#include <optional>

namespace pebblenix {

// Every hole holds a marble but `hole`.
constexpr Bits fullBoardWithout(int hole) {
    return kAllHoles & ~bitOf(hole);
}

// Why the last marble can never finish in the centre from the full board with `hole`
// empty, as one whole sentence, translated; nothing from d4, d1, a4, g4 and d7.
std::optional<QString> singleHoleReason(int hole);

} // namespace pebblenix
