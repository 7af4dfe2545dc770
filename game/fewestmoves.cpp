#include "game/fewestmoves.h"

#include <algorithm>
#include <bit>

namespace pebblenix {

namespace {

// The jumps from each cell, in the order of allJumps().
const std::array<std::vector<Jump>, kCells>& jumpsFrom() {
    static const auto table = [] {
        std::array<std::vector<Jump>, kCells> from;
        for (const Jump& j : allJumps())
            from[static_cast<std::size_t>(j.from)].push_back(j);
        return from;
    }();
    return table;
}

enum class Step { Prune, GoOn, Stop };

// Calls step(board) after each jump of every chain of the marble on `cell`, each chain
// before those that go on from it, until it says Stop; whether it did, `chain` then
// holding the jumps to that board. A chain goes on from a board only when step says GoOn.
template <class F> bool eachChain(Bits board, int cell, std::vector<Jump>& chain, F& step) {
    for (const Jump& j : jumpsFrom()[static_cast<std::size_t>(cell)]) {
        if (!jumpPossible(board, j))
            continue;
        const Bits after = afterJump(board, j);
        chain.push_back(j);
        const Step s = step(after);
        if (s == Step::Stop || (s == Step::GoOn && eachChain(after, j.to, chain, step)))
            return true;
        chain.pop_back();
    }
    return false;
}

bool holds(Bits board, std::optional<int> cell) {
    return cell && isHole(*cell) && (board & bitOf(*cell));
}

} // namespace

std::optional<int> FewestMoves::fewestMoves(Bits board) const {
    board &= kAllHoles;
    const auto rank = hints_.rank(compress(canonical(kAllHoles & ~board)));
    if (!rank)
        return std::nullopt;
    // A finish takes a jump for every marble but the last.
    const int jumps = std::popcount(board) - 1;
    const int moves = jumps - static_cast<int>(moves_.saved(*rank, jumps));
    if (moves < (board == bitOf(kCentre) ? 0 : 1)) // only a damaged table says so
        return std::nullopt;
    return moves;
}

int FewestMoves::bestChainEnd(Bits board, int cell) const {
    int best = -1;
    std::vector<Jump> chain;
    auto step = [&](Bits after) {
        const auto m = fewestMoves(after);
        if (!m) // no chain that goes on from a board without a finish finds one
            return Step::Prune;
        best = best < 0 ? *m : std::min(best, *m);
        return Step::GoOn;
    };
    eachChain(board, cell, chain, step);
    return best;
}

std::optional<int> FewestMoves::fewestMoves(Bits board, std::optional<int> moving) const {
    board &= kAllHoles;
    const auto fresh = fewestMoves(board);
    if (!fresh || !holds(board, moving))
        return fresh;
    const int chained = bestChainEnd(board, *moving);
    return chained >= 0 ? std::min(*fresh, chained) : *fresh;
}

std::optional<std::vector<Jump>> FewestMoves::chainTo(Bits board, int cell, int wanted) const {
    std::vector<Jump> chain;
    auto step = [&](Bits after) {
        const auto m = fewestMoves(after);
        return !m ? Step::Prune : *m == wanted ? Step::Stop : Step::GoOn;
    };
    if (eachChain(board, cell, chain, step))
        return chain;
    return std::nullopt;
}

std::optional<MoveLine> FewestMoves::fewestMovesLine(Bits board, std::optional<int> moving) const {
    board &= kAllHoles;
    const auto total = fewestMoves(board, moving);
    if (!total)
        return std::nullopt;
    MoveLine line;
    if (fewestMoves(board) != total) { // the move under way goes on
        auto chain = chainTo(board, *moving, *total);
        if (!chain)
            return std::nullopt; // only a damaged table gets here
        for (const Jump& j : *chain)
            board = afterJump(board, j);
        line.push_back(std::move(*chain));
    }
    for (int left = *total; left > 0; --left) {
        std::optional<std::vector<Jump>> move;
        for (int cell = 0; cell < kCells && !move; ++cell)
            if (board & bitOf(cell))
                move = chainTo(board, cell, left - 1);
        if (!move)
            return std::nullopt; // only a damaged table gets here
        for (const Jump& j : *move)
            board = afterJump(board, j);
        line.push_back(std::move(*move));
    }
    return line;
}

} // namespace pebblenix
