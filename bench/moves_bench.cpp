// The fewest moves (the par) as the game finds them, a lookup in the table of fewest moves,
// side by side with an exact search on demand (iterative deepening by moves, pruned by the
// table of solutions and the occupied corner holes, each of which needs a move of its
// own): the count and a line from 10,000 random positions of play that can still finish
// in the centre and from the start; what the table costs to make, on disk and in memory.
// Usage: pebblenix-moves-bench [SOLUTIONS MOVES]

#include "files/solutionfile.h"
#include "game/fewestmoves.h"
#include "game/hint.h"
#include "game/movelayers.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace pebblenix;
using Clock = std::chrono::steady_clock;

namespace {

const Bits kStart = kAllHoles & ~bitOf(kCentre);

double residentMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    return -1;
}

double microsSince(Clock::time_point from) {
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

struct Timings {
    std::vector<double> micros;
    int timedOut = 0;
    void print(const char* what) {
        std::sort(micros.begin(), micros.end());
        const auto at = [&](double q) {
            return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
        };
        std::printf("  %-44s %6zu runs  median %9.1f us  p99 %10.1f us  worst %10.1f us", what,
                    micros.size(), at(0.5), at(0.99), micros.back());
        if (timedOut)
            std::printf("  (%d cut off)", timedOut);
        std::printf("\n");
    }
};

// Positions of play that can still finish in the centre: a random number of jumps, each
// chosen at random among those that keep the finish.
std::vector<Bits> winnablePositions(const HintEngine& hints, int count) {
    std::mt19937_64 rng(20261207);
    std::vector<Bits> out;
    while (static_cast<int>(out.size()) < count) {
        Bits board = kStart;
        for (int jumps = static_cast<int>(rng() % 31); jumps > 0; --jumps) {
            std::vector<Jump> keep;
            for (const Jump& j : allJumps())
                if (jumpPossible(board, j) && hints.canFinishInCentre(afterJump(board, j)))
                    keep.push_back(j);
            board = afterJump(board, keep[rng() % keep.size()]);
        }
        out.push_back(board);
    }
    return out;
}

// The search on demand: the fewest moves by iterative deepening over single jumps, the
// marble that jumped last free to go on. -1 when cut off at `deadline`.
class Search {
public:
    Search(const HintEngine& hints, Clock::time_point deadline)
        : hints_(hints), deadline_(deadline) {}

    int fewest(Bits board) {
        for (int bound = least(board, -1);; ++bound) {
            const int r = below(board, -1, 0, bound);
            if (r == kFound)
                return bound;
            if (r == kCut)
                return -1;
        }
    }

private:
    static constexpr int kFound = -1, kCut = -2, kMore = 0;
    // Every occupied corner hole needs a move of its own, but the marble under way; an
    // unfinished board one move at least when none is under way.
    static int least(Bits board, int last) {
        constexpr Bits kCorners = bitOf(2) | bitOf(4) | bitOf(14) | bitOf(20) | bitOf(28) |
                                  bitOf(34) | bitOf(44) | bitOf(46);
        const int corners = std::popcount(board & kCorners & ~(last >= 0 ? bitOf(last) : 0));
        return last < 0 && board != bitOf(kCentre) ? std::max(corners, 1) : corners;
    }
    int below(Bits board, int last, int used, int bound) {
        if (board == bitOf(kCentre))
            return kFound;
        if (used + least(board, last) > bound)
            return kMore;
        if ((++nodes_ & 1023) == 0 && Clock::now() > deadline_)
            return kCut;
        for (const Jump& j : allJumps()) {
            if (!jumpPossible(board, j))
                continue;
            const int cost = used + (j.from != last);
            const Bits after = afterJump(board, j);
            if (cost > bound || !hints_.canFinishInCentre(after))
                continue;
            if (const int r = below(after, j.to, cost, bound); r != kMore)
                return r;
        }
        return kMore;
    }
    const HintEngine& hints_;
    Clock::time_point deadline_;
    long nodes_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + "/..";
    const QString solutions = argc > 2 ? QString::fromLocal8Bit(argv[1]) : findSolutionFile(folder);
    const QString movesPath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : findMoveFile(folder);
    QString error;
    const double bare = residentMB();
    const auto hintFile = SolutionFile::open(solutions, error);
    const double withHints = residentMB();
    auto started = Clock::now();
    const auto moveFile = hintFile ? MoveFile::open(movesPath, hintFile->table(), error) : nullptr;
    const double loadMs = microsSince(started) / 1000;
    const double withMoves = residentMB();
    if (!moveFile) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const HintEngine hints(hintFile->table());
    const FewestMoves engine(hintFile->table(), moveFile->table());
    std::printf("table of fewest moves: %.1f MB on disk, read and checked in %.1f ms\n",
                static_cast<double>(QFile(movesPath).size()) / 1e6, loadMs);
    std::printf("resident: %.1f MB bare, %.1f MB with the table of solutions, %.1f MB with "
                "both (+%.1f MB)\n",
                bare, withHints, withMoves, withMoves - withHints);

    const auto positions = winnablePositions(hints, 10000);
    Timings count, line, startCount, startLine, searched, searchedStart;
    long moves = 0;
    for (const Bits board : positions) {
        started = Clock::now();
        moves += engine.fewestMoves(board).value_or(0);
        count.micros.push_back(microsSince(started));
        started = Clock::now();
        engine.fewestMovesLine(board);
        line.micros.push_back(microsSince(started));
    }
    for (int n = 0; n < 1000; ++n) {
        started = Clock::now();
        moves += engine.fewestMoves(kStart).value_or(0);
        startCount.micros.push_back(microsSince(started));
        started = Clock::now();
        engine.fewestMovesLine(kStart);
        startLine.micros.push_back(microsSince(started));
    }
    std::printf("the table (%ld moves in all):\n", moves);
    count.print("the count, 10,000 positions of play");
    line.print("a line, the same positions");
    startCount.print("the count from the start, 1,000 times");
    startLine.print("a line from the start, 1,000 times");

    // The search on demand, on every 50th position, each cut off after a second; the start
    // once, cut off after ten seconds.
    int disagree = 0;
    for (std::size_t i = 0; i < positions.size(); i += 50) {
        started = Clock::now();
        Search search(hints, started + std::chrono::seconds(1));
        const int found = search.fewest(positions[i]);
        searched.micros.push_back(microsSince(started));
        searched.timedOut += found < 0;
        disagree += found >= 0 && found != engine.fewestMoves(positions[i]);
    }
    started = Clock::now();
    Search fromStart(hints, started + std::chrono::seconds(10));
    const int startFound = fromStart.fewest(kStart);
    searchedStart.micros.push_back(microsSince(started));
    searchedStart.timedOut = startFound < 0;
    std::printf("the search on demand (%d answers differ from the table):\n", disagree);
    searched.print("the count, every 50th position, 1 s at most");
    searchedStart.print("the count from the start, 10 s at most");

    started = Clock::now();
    std::string why;
    const auto made = movesSaved(hintFile->table(), 2, why);
    std::printf("making the table's values on 2 threads: %.1f s%s\n", microsSince(started) / 1e6,
                made ? "" : " (failed)");
    return 0;
}
