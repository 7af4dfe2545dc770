#include "game/board.h"

#include <cstdlib>

namespace pebblenix {

void FindArrCoor(std::int16_t Ind, std::int16_t& xpos, std::int16_t& ypos) {
    xpos = static_cast<std::int16_t>(Ind % kSide);
    ypos = static_cast<std::int16_t>(Ind / kSide);
}

Marbles startPosition() {
    Marbles m{};
    for (int i = 0; i < kCells; ++i)
        m[i] = isHole(i) && i != kCentre;
    return m;
}

std::optional<int> jumpedCell(int from, int to) {
    if (from < 0 || from >= kCells || to < 0 || to >= kCells || from == to)
        return std::nullopt;
    std::int16_t x1, y1, x2, y2;
    FindArrCoor(static_cast<std::int16_t>(from), x1, y1);
    FindArrCoor(static_cast<std::int16_t>(to), x2, y2);
    const int dx = std::abs(x1 - x2);
    const int dy = std::abs(y1 - y2);
    if (dx == 0 && dy == 2)
        return from > to ? from - kSide : from + kSide;
    if (dx == 2 && dy == 0)
        return from > to ? from - 1 : from + 1;
    return std::nullopt;
}

bool ValidMove(const Marbles& board, int tempfrom, int tempto) {
    const auto over = jumpedCell(tempfrom, tempto);
    return over && board[*over];
}

bool canJump(const Marbles& board, int from, int to) {
    return isHole(from) && isHole(to) && board[from] && !board[to] && ValidMove(board, from, to);
}

std::vector<int> jumpTargets(const Marbles& board, int from) {
    std::vector<int> targets;
    for (const Jump& j : allJumps())
        if (j.from == from && canJump(board, from, j.to))
            targets.push_back(j.to);
    return targets;
}

const std::array<Jump, 76>& allJumps() {
    static const std::array<Jump, 76> jumps = [] {
        std::array<Jump, 76> all{};
        std::size_t n = 0;
        for (int from = 0; from < kCells; ++from)
            for (int to = 0; to < kCells; ++to) {
                const auto over = jumpedCell(from, to);
                if (over && isHole(from) && isHole(*over) && isHole(to) && n < all.size())
                    all[n++] = Jump(from, to);
            }
        return all;
    }();
    return jumps;
}

std::array<char, 3> cellName(int ind) {
    return {static_cast<char>('a' + ind % kSide), static_cast<char>('1' + ind / kSide), '\0'};
}

} // namespace pebblenix
