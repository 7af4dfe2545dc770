// Hint speed and memory of the table of solutions as it is stored now, side by side with
// its first format (bench/oldtable.h, made from the same keys): every position of 10,000
// random games from the start and 1,000,000 random boards of the whole 2^33, each hint
// timed on its own; a whole game judged again and again; what the first hint costs
// (reading or mapping the table and checking it); and the memory it keeps.
// Usage: pebblenix-bench [TABLE]

#include "bench/oldtable.h"
#include "files/solutionfile.h"
#include "game/hint.h"
#include "game/reachable.h"
#include "game/winningline.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>
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

const Bits kStart = kAllHoles & ~bitOf(kCentre);

// One line of /proc/self/status, in KiB.
long statusKiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

double microsSince(Clock::time_point from) {
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

struct Timings {
    std::vector<double> micros;
    long found = 0;
    double at(double q) {
        std::sort(micros.begin(), micros.end());
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    }
};

// What the hint engine does, over either format, so that both are timed by the same code.
template <class Table> struct Hints {
    const Table& table;
    bool canFinishInCentre(Bits board) const {
        return table.contains(compress(canonical(kAllHoles & ~board)));
    }
    std::optional<Jump> hint(Bits board) const {
        for (const Jump& j : allJumps())
            if (jumpPossible(board, j) && canFinishInCentre(afterJump(board, j)))
                return j;
        return std::nullopt;
    }
};

struct Figures {
    double fileMB = 0, loadMs = 0, residentMB = 0;
    Timings games, random, reviews;
};

template <class Table> void timeHint(const Hints<Table>& hints, Bits board, Timings& t) {
    const auto start = Clock::now();
    const bool found = hints.hint(board).has_value();
    t.micros.push_back(microsSince(start));
    t.found += found;
}

// One of the legal jumps, chosen at random; false when there is none.
bool randomJump(Bits& board, std::mt19937_64& rng) {
    std::vector<const Jump*> legal;
    for (const Jump& j : allJumps())
        if (jumpPossible(board, j))
            legal.push_back(&j);
    if (legal.empty())
        return false;
    board = afterJump(board, *legal[rng() % legal.size()]);
    return true;
}

template <class Table> void timeHints(const Table& table, Figures& f) {
    const Hints<Table> hints{table};
    std::mt19937_64 rng(20261206);
    for (int g = 0; g < 10000; ++g) {
        for (Bits board = kStart;;) {
            timeHint(hints, board, f.games);
            if (!randomJump(board, rng))
                break;
        }
    }
    for (int n = 0; n < 1000000; ++n)
        timeHint(hints, expand(rng() & ((std::uint64_t{1} << 33) - 1)), f.random);
}

// Review Game and Rewind: one lookup for each position of the hint line's 31 jumps.
template <class Table> void timeReviews(const Table& table, Figures& f) {
    const Hints<Table> hints{table};
    std::vector<Bits> line{kStart};
    while (const auto j = hints.hint(line.back()))
        line.push_back(afterJump(line.back(), *j));
    for (int n = 0; n < 10000; ++n) {
        const auto start = Clock::now();
        long winnable = 0;
        for (Bits board : line)
            winnable += hints.canFinishInCentre(board);
        f.reviews.micros.push_back(microsSince(start));
        f.reviews.found += winnable == static_cast<long>(line.size());
    }
}

// The median of eleven runs of load(), in milliseconds: one alone says more about the
// machine's other work than about the load.
template <class Load> double loadMs(Load load) {
    Timings t;
    for (int n = 0; n < 11; ++n) {
        const auto started = Clock::now();
        load();
        t.micros.push_back(microsSince(started));
    }
    return t.at(0.5) / 1000;
}

// Winning Line: the whole line from 10,000 reachable positions, each the board after a
// random number of random jumps from the start.
void timeWinningLines(const HintEngine& engine) {
    std::mt19937_64 rng(20250301);
    Timings lines, found; // all of them, and those that have a line
    for (int n = 0; n < 10000; ++n) {
        Bits board = kStart;
        for (int jumps = static_cast<int>(rng() % 32); jumps > 0 && randomJump(board, rng);
             --jumps) {
        }
        const Marbles marbles = toMarbles(board);
        const auto from = Clock::now();
        const auto line = winningLine(marbles, engine);
        const double micros = microsSince(from);
        lines.micros.push_back(micros);
        lines.found += line.has_value();
        if (line) {
            found.micros.push_back(micros);
            found.found += static_cast<long>(line->size());
        }
    }
    for (auto [what, t] : {std::pair{"a winning line, 10,000 positions", &lines},
                           {"  of which those with a line", &found}}) {
        const double median = t->at(0.5), p99 = t->at(0.99); // sorts, so before the worst
        std::printf("%-34s %6zu runs  median %6.2f us  p99 %6.2f us  worst %7.2f us\n", what,
                    t->micros.size(), median, p99, t->micros.back());
    }
}

// The table as the game reads it now.
bool measureCurrent(const QString& path, Figures& f, std::vector<std::uint64_t>& keys) {
    QString error;
    f.loadMs = loadMs([&] { SolutionFile::open(path, error); });
    const long before = statusKiB("VmRSS");
    const auto file = SolutionFile::open(path, error);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    // All of it is read at once, so the hints add nothing (but the timings' own memory).
    f.residentMB = static_cast<double>(statusKiB("VmRSS") - before) / 1024;
    f.fileMB = static_cast<double>(QFile(path).size()) / 1e6;
    timeHints(file->table(), f);
    timeReviews(file->table(), f);
    timeWinningLines(HintEngine(file->table()));
    keys.reserve(file->table().size());
    file->table().forEach([&](std::uint64_t key) { keys.push_back(key); });
    return true;
}

// The first format, written to a file and mapped, as a game of that format reads it.
bool measureFirstFormat(std::vector<std::uint64_t> keys, Figures& f) {
    sortUnique(keys);
    QTemporaryFile file;
    {
        const auto image = bench::OldTable::serialize(keys);
        keys = {};
        if (!file.open() ||
            file.write(reinterpret_cast<const char*>(image.data()),
                       static_cast<qint64>(image.size())) != static_cast<qint64>(image.size()) ||
            !file.flush())
            return false;
        f.fileMB = static_cast<double>(image.size()) / 1e6;
    }
    const auto size = static_cast<std::size_t>(file.size());
    std::string error;
    f.loadMs = loadMs([&] { // each run maps the file afresh, as a new game did
        if (uchar* map = file.map(0, file.size())) {
            bench::OldTable::view(map, size, error);
            file.unmap(map);
        }
    });
    const long before = statusKiB("RssFile");
    uchar* map = file.map(0, file.size());
    const auto table = map ? bench::OldTable::view(map, size, error) : std::nullopt;
    if (!table)
        return false;
    timeHints(*table, f);
    timeReviews(*table, f);
    f.residentMB = static_cast<double>(statusKiB("RssFile") - before) / 1024; // pages touched
    return true;
}

void report(Figures& first, Figures& now) {
    const auto row = [](const char* what, double a, double b, const char* unit) {
        std::printf("  %-28s %10.2f %-3s %10.2f %s\n", what, a, unit, b, unit);
    };
    std::printf("%-30s %14s %14s\n", "", "first format", "now");
    row("table file", first.fileMB, now.fileMB, "MB");
    row("first hint: load and check", first.loadMs, now.loadMs, "ms");
    row("resident after all hints", first.residentMB, now.residentMB, "MB");
    const auto block = [&](const char* what, Timings& a, Timings& b, const char* found) {
        std::printf("%s: %zu runs, %ld and %ld %s\n", what, a.micros.size(), a.found, b.found,
                    found);
        row("median", a.at(0.5), b.at(0.5), "us");
        row("99th percentile", a.at(0.99), b.at(0.99), "us");
        row("worst", a.micros.back(), b.micros.back(), "us");
    };
    block("positions of 10,000 random games", first.games, now.games, "with a hint");
    block("1,000,000 random boards", first.random, now.random, "with a hint");
    block("a 31-jump game judged whole", first.reviews, now.reviews, "all winnable");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString path = argc > 1
                             ? QString::fromLocal8Bit(argv[1])
                             : findSolutionFile(QCoreApplication::applicationDirPath() + "/..");
    Figures now, first;
    std::vector<std::uint64_t> keys;
    if (!measureCurrent(path, now, keys) || !measureFirstFormat(std::move(keys), first)) {
        std::fprintf(stderr, "the benchmark could not run\n");
        return 1;
    }
    report(first, now);
    return 0;
}
