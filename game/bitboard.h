#pragma once
// The board as bits, for the solver: an 8 x 8 word with cell (x, y) at bit 8y + x, so
// that the eight symmetries of the cross are a few shifts and swaps, and a 33-bit key
// that numbers the holes compactly for storage.

#include "game/board.h"

#include <array>
#include <bit>
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

// Each cell's bit, looked up: the solver's inner loops ask for three a jump.
inline constexpr std::array<Bits, kCells> kCellBits = [] {
    std::array<Bits, kCells> bits{};
    for (int i = 0; i < kCells; ++i)
        bits[static_cast<std::size_t>(i)] = bitOf(i);
    return bits;
}();

inline bool jumpPossible(Bits board, const Jump& j) {
    const auto bit = [](int cell) { return kCellBits[static_cast<std::size_t>(cell)]; };
    return (board & bit(j.from)) && (board & bit(j.over)) && !(board & bit(j.to));
}
inline Bits afterJump(Bits board, const Jump& j) {
    const auto bit = [](int cell) { return kCellBits[static_cast<std::size_t>(cell)]; };
    return board ^ (bit(j.from) | bit(j.over) | bit(j.to));
}

// The eight images of a board under the symmetries of the square.
std::array<Bits, 8> symmetries(Bits board);
// The least of the eight images: one name for all of them.
Bits canonical(Bits board);

// 33-bit keys: the holes numbered row by row.
std::uint64_t compress(Bits board);
Bits expand(std::uint64_t key);

// The key bits of the holes whose colour is `a` or `b` in a diagonal 3-colouring of the
// board: (x + y) mod 3, or (x - y) mod 3 when `antidiagonal`.
constexpr std::uint64_t colourKeyMask(bool antidiagonal, int a, int b) {
    std::uint64_t mask = 0;
    for (int cell = 0, bit = 0; cell < kCells; ++cell) {
        if (!isHole(cell))
            continue;
        const int x = cell % kSide, y = cell / kSide;
        const int colour = antidiagonal ? (x - y + 3 * kSide) % 3 : (x + y) % 3;
        if (colour == a || colour == b)
            mask |= std::uint64_t{1} << bit;
        ++bit;
    }
    return mask;
}

// The position class of a key, four bits. A jump covers three holes in a line, one of each
// colour of both diagonal 3-colourings, so it flips the parity of the marbles on every
// colour: whether colours 0 and 1, and colours 1 and 2, hold marbles of equal parity never
// changes. Every board reachable from the start, and each of its symmetric images (the
// start is symmetric), is in the start's class.
constexpr std::array<std::uint64_t, 4> kClassMasks = {
    colourKeyMask(false, 0, 1), colourKeyMask(false, 1, 2), colourKeyMask(true, 0, 1),
    colourKeyMask(true, 1, 2)};
constexpr unsigned positionClass(std::uint64_t key) {
    unsigned c = 0;
    for (unsigned j = 0; j < kClassMasks.size(); ++j)
        c |= static_cast<unsigned>(std::popcount(key & kClassMasks[j]) & 1) << j;
    return c;
}

} // namespace pebblenix
