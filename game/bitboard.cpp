#include "game/bitboard.h"

#include <algorithm>

namespace pebblenix {

namespace {

// Row y of 7 to row 6 - y.
Bits flipRows(Bits b) {
    return __builtin_bswap64(b) >> 8;
}

// Column x of 7 to column 6 - x: reverse the bits of each byte, then step back by one.
Bits flipColumns(Bits b) {
    b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
    b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
    b = ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
    return b >> 1;
}

// Cell (x, y) to (y, x).
Bits transpose(Bits b) {
    Bits t = 0x0F0F0F0F00000000ull & (b ^ (b << 28));
    b ^= t ^ (t >> 28);
    t = 0x3333000033330000ull & (b ^ (b << 14));
    b ^= t ^ (t >> 14);
    t = 0x5500550055005500ull & (b ^ (b << 7));
    b ^= t ^ (t >> 7);
    return b;
}

} // namespace

Bits toBits(const Marbles& marbles) {
    Bits b = 0;
    for (int i = 0; i < kCells; ++i)
        if (marbles[static_cast<std::size_t>(i)] && isHole(i))
            b |= bitOf(i);
    return b;
}

Marbles toMarbles(Bits bits) {
    Marbles m{};
    for (int i = 0; i < kCells; ++i)
        m[static_cast<std::size_t>(i)] = isHole(i) && (bits & bitOf(i));
    return m;
}

std::array<Bits, 8> symmetries(Bits b) {
    const Bits r = flipRows(b);
    const Bits c = flipColumns(b);
    const Bits rc = flipColumns(r);
    return {b, r, c, rc, transpose(b), transpose(r), transpose(c), transpose(rc)};
}

Bits canonical(Bits board) {
    const auto all = symmetries(board);
    return *std::min_element(all.begin(), all.end());
}

std::uint64_t compress(Bits b) {
    return ((b >> 2) & 7) | (((b >> 10) & 7) << 3) | (((b >> 16) & 0x7F) << 6) |
           (((b >> 24) & 0x7F) << 13) | (((b >> 32) & 0x7F) << 20) | (((b >> 42) & 7) << 27) |
           (((b >> 50) & 7) << 30);
}

Bits expand(std::uint64_t k) {
    return ((k & 7) << 2) | (((k >> 3) & 7) << 10) | (((k >> 6) & 0x7F) << 16) |
           (((k >> 13) & 0x7F) << 24) | (((k >> 20) & 0x7F) << 32) | (((k >> 27) & 7) << 42) |
           (((k >> 30) & 7) << 50);
}

} // namespace pebblenix
