#pragma once
// The board as bits, for the solver: an 8 x 8 word with cell (x, y) at bit 8y + x, so
// that the eight symmetries of the cross are a few shifts and swaps, and a 33-bit key
// that numbers the holes compactly for storage.

#include "game/board.h"

#include <array>
#include <cstdint>

namespace pebblenix {

using Bits = std::uint64_t;

constexpr Bits bitOf(int cell) {
    return Bits{1} << (8 * (cell / kSide) + cell % kSide);
}

// Every hole of the cross.
constexpr Bits kAllHoles = [] {
    Bits b = 0;
    for (int i = 0; i < kCells; ++i)
        if (isHole(i))
            b |= bitOf(i);
    return b;
}();

Bits toBits(const Marbles& marbles); // marbles on cells off the board are left out
Marbles toMarbles(Bits bits);

struct JumpMask {
    Bits from;
    Bits over;
    Bits to;
    int fromCell;
    int toCell;
};
// The board's 76 jumps, made from the game's own jump rule.
const std::array<JumpMask, 76>& jumpMasks();
// The jump from `from` to `to`, two holes apart in a row or column.
JumpMask jumpMask(int from, int to);

inline bool jumpPossible(Bits board, const JumpMask& j) {
    return (board & j.from) && (board & j.over) && !(board & j.to);
}
inline Bits afterJump(Bits board, const JumpMask& j) {
    return board ^ (j.from | j.over | j.to);
}

// The eight images of a board under the symmetries of the square.
std::array<Bits, 8> symmetries(Bits board);
// The least of the eight images: one name for all of them.
Bits canonical(Bits board);

// 33-bit keys: the holes numbered row by row.
std::uint64_t compress(Bits board);
Bits expand(std::uint64_t key);

} // namespace pebblenix
