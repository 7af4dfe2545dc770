// Hint speed and memory: every position of 10,000 random games from the start, and
// 1,000,000 random boards of the whole 2^33, each hint timed on its own.
// Usage: pebblenix-bench [TABLE]

#include "files/solutionfile.h"
#include "game/hint.h"
#include "game/review.h"
#include "game/winningline.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace pebblenix;
using Clock = std::chrono::steady_clock;

namespace {

// One line of /proc/self/status, in KiB.
long statusKiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

struct Timings {
    std::vector<double> micros;
    int found = 0;
    void report(const char* what, const char* found_what = "with a hint") {
        std::sort(micros.begin(), micros.end());
        const auto at = [&](double q) {
            return micros[static_cast<std::size_t>(q * (micros.size() - 1))];
        };
        std::printf("%-34s %9zu runs  median %6.2f us  p99 %6.2f us  worst %7.2f us  (%d %s)\n",
                    what, micros.size(), at(0.5), at(0.99), micros.back(), found, found_what);
    }
};

void timeHint(const HintEngine& engine, Bits board, Timings& t) {
    const auto start = Clock::now();
    const auto jump = engine.hint(board);
    const auto end = Clock::now();
    t.micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    t.found += jump.has_value();
}

// One of the legal jumps, chosen at random; false when there is none.
bool randomJump(Bits& board, std::mt19937_64& rng) {
    std::vector<const JumpMask*> legal;
    for (const JumpMask& j : jumpMasks())
        if (jumpPossible(board, j))
            legal.push_back(&j);
    if (legal.empty())
        return false;
    board = afterJump(board, *legal[rng() % legal.size()]);
    return true;
}

// Winning Line: the whole line from 10,000 reachable positions, each the board after a
// random number of random jumps from the start.
void timeWinningLines(const HintEngine& engine) {
    std::mt19937_64 rng(20250301);
    Timings lines, found; // all of them, and those that have a line
    for (int n = 0; n < 10000; ++n) {
        Bits board = kAllHoles & ~bitOf(kCentre);
        for (int jumps = static_cast<int>(rng() % 32); jumps > 0 && randomJump(board, rng);
             --jumps) {
        }
        const Marbles marbles = toMarbles(board);
        const auto from = Clock::now();
        const auto line = winningLine(marbles, engine);
        const double micros =
            std::chrono::duration<double, std::micro>(Clock::now() - from).count();
        lines.micros.push_back(micros);
        lines.found += line.has_value();
        if (line) {
            found.micros.push_back(micros);
            found.found += static_cast<int>(line->size());
        }
    }
    lines.report("a winning line, 10,000 positions", "with a line");
    found.report("  of which those with a line", "jumps in all");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString path = argc > 1
                             ? QString::fromLocal8Bit(argv[1])
                             : findSolutionFile(QCoreApplication::applicationDirPath() + "/..");
    const long before = statusKiB("VmRSS");
    const long fileBefore = statusKiB("RssFile");
    const auto started = Clock::now();
    QString error;
    const auto file = SolutionFile::open(path, error);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double loadMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    const HintEngine engine(file->table());
    std::printf("table: %llu classes, mapped and checked in %.1f ms\n",
                static_cast<unsigned long long>(file->table().size()), loadMs);

    std::mt19937_64 rng(20261206);
    Timings games;
    const Bits start = kAllHoles & ~bitOf(kCentre);
    for (int g = 0; g < 10000; ++g) {
        Bits board = start;
        do
            timeHint(engine, board, games);
        while (randomJump(board, rng));
    }
    games.report("positions of 10,000 random games");

    Timings random;
    for (int n = 0; n < 1000000; ++n)
        timeHint(engine, expand(rng() & ((std::uint64_t{1} << 33) - 1)), random);
    random.report("1,000,000 random boards");

    // Review Game and Rewind: the hint line's 31 jumps judged whole, again and again.
    std::vector<Move> line;
    for (Bits board = start;;) {
        const auto j = engine.hint(board);
        if (!j)
            break;
        line.push_back({j->fromCell, j->toCell});
        board = afterJump(board, *j);
    }
    Timings reviews;
    for (int n = 0; n < 10000; ++n) {
        const auto from = Clock::now();
        const Review r = reviewGame(toMarbles(start), line, engine);
        reviews.micros.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - from).count());
        reviews.found += !r.losing;
    }
    reviews.report("a 31-jump game judged whole", "still winnable");
    timeWinningLines(engine);

    // The engine's own memory is the mapped table; the timings above are the harness's.
    std::printf("resident memory: %.1f MB before the table, %.1f MB after all hints, of which "
                "the mapped table %.1f MB\n",
                before / 1024.0, statusKiB("VmRSS") / 1024.0,
                (statusKiB("RssFile") - fileBefore) / 1024.0);
    return 0;
}
