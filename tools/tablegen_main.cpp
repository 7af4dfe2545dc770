// Builds the table of solutions at build time: every position reachable from the start,
// one per symmetry class. Before it writes anything it checks the table it made against
// the plain sorted list of keys, so that a build never installs a table that answers
// differently: every key, every key listed back, and 10,000,000 random keys below 2^33.
// With --check it stops there and writes nothing.
// With --moves SOLUTIONS OUTPUT it builds the table of fewest moves for that table of
// solutions, and checks it first: every value read back, the start's 18 moves, and on a
// sample of positions that the fewest moves are one more than the best a move reaches.

#include "files/atomicfile.h"
#include "files/solutionfile.h"
#include "game/bitboard.h"
#include "game/fewestmoves.h"
#include "game/movelayers.h"
#include "game/reachable.h"
#include "game/solutiontable.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

using namespace pebblenix;

namespace {

// Nothing when keys[first, last) are all in the start's class, their images too (every
// 101st key's), and all found in the table; else what is wrong.
std::optional<std::string> missing(const SolutionTable& table,
                                   const std::vector<std::uint64_t>& keys, std::size_t first,
                                   std::size_t last) {
    const unsigned start = positionClass(compress(kAllHoles & ~bitOf(kCentre)));
    for (std::size_t i = first; i < last; ++i) {
        if (positionClass(keys[i]) != start)
            return "a reachable key outside the start's class: " + std::to_string(keys[i]);
        if (i % 101 == 0)
            for (Bits image : symmetries(expand(keys[i])))
                if (positionClass(compress(image)) != start)
                    return "an image outside the start's class: " + std::to_string(keys[i]);
        if (!table.contains(keys[i]))
            return "a key not found: " + std::to_string(keys[i]);
    }
    return std::nullopt;
}

// Nothing when the table answers exactly as the sorted list `keys` does; else what differs.
std::optional<std::string> differences(const SolutionTable& table,
                                       const std::vector<std::uint64_t>& keys) {
    std::optional<std::string> secondHalf;
    std::thread helper([&] { secondHalf = missing(table, keys, keys.size() / 2, keys.size()); });
    const auto firstHalf = missing(table, keys, 0, keys.size() / 2);
    helper.join();
    if (firstHalf || secondHalf)
        return firstHalf ? firstHalf : secondHalf;
    // The keys come back in the stored order, which swaps at most neighbours of the
    // sorted order; each must be one of its neighbours there, and none may come twice.
    std::vector<bool> seen(keys.size());
    std::size_t listed = 0;
    bool same = true;
    table.forEach([&](std::uint64_t key) {
        std::size_t at = listed == 0 ? 0 : listed - 1;
        while (at < keys.size() && at <= listed + 1 && keys[at] != key)
            ++at;
        same = same && at < keys.size() && at <= listed + 1 && !seen[at];
        if (same)
            seen[at] = true;
        ++listed;
    });
    if (!same || listed != keys.size() || table.size() != keys.size())
        return std::string("the keys listed are not the keys stored");
    std::mt19937_64 rng(33);
    std::vector<std::uint64_t> random(10'000'000);
    for (auto& k : random)
        k = rng() & ((std::uint64_t{1} << 33) - 1);
    sortUnique(random);
    auto next = keys.begin();
    for (const std::uint64_t k : random) {
        next = std::lower_bound(next, keys.end(), k);
        if (table.contains(k) != (next != keys.end() && *next == k))
            return "a random key answered wrongly: " + std::to_string(k);
    }
    return std::nullopt;
}

// The fewest moves from `board` on, a chain of the marble on `moving` (if any) counting
// no move: from the table for boards after a whole move, else by following the chain.
int fewestOnwards(const FewestMoves& moves, Bits board, std::optional<int> moving) {
    const auto fresh = moves.fewestMoves(board);
    if (!fresh)
        return -1;
    int best = *fresh;
    for (const Jump& j : allJumps())
        if (j.from == moving && jumpPossible(board, j))
            if (const int m = fewestOnwards(moves, afterJump(board, j), j.to); m >= 0)
                best = std::min(best, m);
    return best;
}

// Nothing when the values of `saved` come back from the image, the start takes 18 moves
// in a legal line to the centre, and every 16th position (and the first 100,000) takes
// one move more than the best any move from it reaches; else what is wrong.
std::optional<std::string> movesWrong(const SolutionTable& hints, const MoveTable& table,
                                      const std::vector<std::uint8_t>& saved) {
    std::uint64_t r = 0;
    std::optional<std::string> differs;
    hints.forEach([&](std::uint64_t key) {
        if (table.saved(r, kStartMarbles - std::popcount(key)) != saved[r] && !differs)
            differs = "a value read back differs at rank " + std::to_string(r);
        ++r;
    });
    if (differs)
        return differs;
    const FewestMoves moves(hints, table);
    const Bits start = kAllHoles & ~bitOf(kCentre);
    const auto line = moves.fewestMovesLine(start);
    Bits board = start;
    for (const auto& move : line.value_or(MoveLine{}))
        for (std::size_t i = 0; i < move.size(); ++i) {
            if (!jumpPossible(board, move[i]) || (i > 0 && !continuesMove(move[i - 1], move[i])))
                return std::string("the start's line is not legal");
            board = afterJump(board, move[i]);
        }
    if (moves.fewestMoves(start) != 18 || !line || line->size() != 18 || board != bitOf(kCentre))
        return std::string("the start does not take 18 moves");
    std::vector<std::uint64_t> keys;
    std::uint64_t rank = 0;
    hints.forEach([&](std::uint64_t key) {
        if (rank < 100000 || rank % 16 == 0)
            keys.push_back(key);
        ++rank;
    });
    std::optional<std::string> wrong[2];
    const auto check = [&](int half, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last && !wrong[half]; ++i) {
            const Bits p = kAllHoles & ~expand(keys[i]);
            const auto fewest = moves.fewestMoves(p);
            int best = -1;
            for (const Jump& j : allJumps())
                if (jumpPossible(p, j))
                    if (const int m = fewestOnwards(moves, afterJump(p, j), j.to);
                        m >= 0 && (best < 0 || m < best))
                        best = m;
            if (!fewest || *fewest != (p == bitOf(kCentre) ? 0 : best + 1))
                wrong[half] =
                    "the fewest moves do not follow from a move at " + std::to_string(keys[i]);
        }
    };
    std::thread helper(check, 1, keys.size() / 2, keys.size());
    check(0, 0, keys.size() / 2);
    helper.join();
    return wrong[0] ? wrong[0] : wrong[1];
}

int makeMoves(const char* solutions, const char* output) {
    const auto started = std::chrono::steady_clock::now();
    QString failed;
    const auto hints = SolutionFile::open(QString::fromLocal8Bit(solutions), failed);
    if (!hints) {
        std::fprintf(stderr, "%s\n", qPrintable(failed));
        return 1;
    }
    std::string error;
    const auto saved = movesSaved(hints->table(), 2, error);
    if (!saved) {
        std::fprintf(stderr, "the table of fewest moves cannot be made: %s\n", error.c_str());
        return 1;
    }
    const auto most = std::max_element(saved->begin(), saved->end());
    const auto image = MoveTable::serialize(*saved, hints->table(), error);
    if (!image) { // a value that does not fit
        std::fprintf(stderr, "the table of fewest moves cannot be stored: %s\n", error.c_str());
        return 1;
    }
    const auto made = std::chrono::steady_clock::now();
    const auto table = MoveTable::view(image->data(), image->size(), hints->table(), error);
    const auto wrong = table ? movesWrong(hints->table(), *table, *saved) : error;
    if (wrong) {
        std::fprintf(stderr, "the table of fewest moves made is wrong: %s\n", wrong->c_str());
        return 1;
    }
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(image->data()),
                                                     static_cast<qsizetype>(image->size()));
    if (const auto notWritten = writeFileAtomically(QString::fromLocal8Bit(output), bytes)) {
        std::fprintf(stderr, "cannot write %s: %s\n", output, qPrintable(*notWritten));
        return 1;
    }
    const auto seconds = [](auto from, auto to) {
        return std::chrono::duration<double>(to - from).count();
    };
    std::printf("table of fewest moves: %zu positions, at most %u jumps saved, %zu bytes, made in "
                "%.1f s, checked in %.1f s\n",
                saved->size(), most == saved->end() ? 0u : unsigned{*most}, image->size(),
                seconds(started, made), seconds(made, std::chrono::steady_clock::now()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool checkOnly = argc == 2 && std::string(argv[1]) == "--check";
    if (argc == 4 && std::string(argv[1]) == "--moves")
        return makeMoves(argv[2], argv[3]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT | --check | --moves SOLUTIONS OUTPUT\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::uint64_t> all;
    {
        const auto levels = reachableLevels(2);
        std::size_t count = 0;
        for (const auto& level : levels)
            count += level.size();
        all.reserve(count);
        for (const auto& level : levels)
            all.insert(all.end(), level.begin(), level.end());
    }
    sortUnique(all);
    const auto image = SolutionTable::serialize(all);
    const auto made = std::chrono::steady_clock::now();
    std::string error;
    const auto table = SolutionTable::view(image.data(), image.size(), error);
    const auto wrong = table ? differences(*table, all) : error;
    if (wrong) {
        std::fprintf(stderr, "the table of solutions made is wrong: %s\n", wrong->c_str());
        return 1;
    }
    if (!checkOnly) {
        const QByteArray bytes = QByteArray::fromRawData(
            reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
        if (const auto failed = writeFileAtomically(QString::fromLocal8Bit(argv[1]), bytes)) {
            std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(*failed));
            return 1;
        }
    }
    const auto seconds = [](auto from, auto to) {
        return std::chrono::duration<double>(to - from).count();
    };
    std::printf("table of solutions: %zu classes, %zu bytes, made in %.1f s, checked in %.1f s\n",
                all.size(), image.size(), seconds(started, made),
                seconds(made, std::chrono::steady_clock::now()));
    return 0;
}
