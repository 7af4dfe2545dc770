#pragma once
// The board: 49 cells on a 7 x 7 grid, of which 33 are holes of the cross and 16
// (two by two in each corner) lie off the board. Cell (x, y) has index 7*y + x.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pebblenix {

constexpr int kSide = 7;
constexpr int kCells = kSide * kSide;
constexpr int kHoles = 33;
constexpr int kCentre = 24;
constexpr int kStartMarbles = 32;

constexpr bool isOffBoard(int ind) {
    const auto corner = [](int v) { return v < 2 || v > 4; };
    return corner(ind % kSide) && corner(ind / kSide);
}
constexpr bool isHole(int ind) {
    return ind >= 0 && ind < kCells && !isOffBoard(ind);
}

void FindArrCoor(std::int16_t Ind, std::int16_t& xpos, std::int16_t& ypos);

// Which cells hold a marble; off-board cells never do.
using Marbles = std::array<bool, kCells>;
inline int marblesOn(const Marbles& board) {
    return static_cast<int>(std::count(board.begin(), board.end(), true));
}

Marbles startPosition();

// The cell jumped over when a marble goes from `from` to `to`: two cells apart in the
// same row or column. Nothing for any other pair, including a pair whose indices differ
// by two across the end of a row.
std::optional<int> jumpedCell(int from, int to);

// The geometry of a jump and a marble in the middle cell; it does not look at the two
// ends.
bool ValidMove(const Marbles& board, int tempfrom, int tempto);

// A jump that may really be made: a marble at the start, an empty hole at the end,
// and ValidMove's test. Guards a selection made before a file was opened or a jump undone.
bool canJump(const Marbles& board, int from, int to);

// The holes the marble on `from` can jump to now: at most four.
std::vector<int> jumpTargets(const Marbles& board, int from);

// A jump: the marble on `from` goes over `over` to `to`, two holes further in its row or
// column. Made from its two ends, whose middle is the cell jumped over.
struct Jump {
    int from = 0;
    int over = 0;
    int to = 0;
    constexpr Jump() = default;
    constexpr Jump(int from, int to) : from(from), over((from + to) / 2), to(to) {}
    constexpr bool operator==(const Jump& other) const {
        return from == other.from && to == other.to;
    }
};

// Every jump of the board, 76 of them, made from the jump rule.
const std::array<Jump, 76>& allJumps();

// Column letter and row number, "a1" at the top left, "d4" the centre.
std::array<char, 3> cellName(int ind);

} // namespace pebblenix
