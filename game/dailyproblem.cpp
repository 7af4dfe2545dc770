#include "game/dailyproblem.h"

#include "game/difficulty.h"

#include <bit>
#include <cmath>

namespace pebblenix {

namespace {

// SplitMix64: a fixed generator, unlike the standard library's distributions, whose
// output may differ from one library to another.
class DayRandom {
public:
    explicit DayRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // From 0 to n - 1; the slight bias of a remainder does not matter here.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// What each day of the week asks for: a number of marbles to start the search from, and
// the band of chances that is accepted. The bands follow one another down the week.
struct Day {
    int fewest, most; // marbles
    double least, below;
};
constexpr Day kWeek[7] = {
    {5, 7, 1e-2, 2},      // Monday
    {7, 9, 3e-3, 1e-2},   // Tuesday
    {9, 11, 1e-3, 3e-3},  // Wednesday
    {11, 13, 3e-4, 1e-3}, // Thursday
    {13, 15, 1e-4, 3e-4}, // Friday
    {15, 18, 3e-5, 1e-4}, // Saturday
    {17, 19, 1e-5, 3e-5}, // Sunday
};

// Enough tries that a day almost surely finds its band (if not, the board nearest to it is
// taken), and a bound on each try's work.
constexpr int kTries = 1000;
constexpr qsizetype kClassLimit = 300'000;

// Jumps played backwards from the lone centre marble until `marbles` stand on the board;
// nothing when the board has no backward jump left first.
std::optional<Bits> walkBack(DayRandom& random, int marbles) {
    Bits board = bitOf(kCentre);
    while (std::popcount(board) < marbles) {
        std::array<Jump, 76> back;
        int n = 0;
        for (const Jump& j : allJumps()) // a jump backwards is a jump on the holes
            if (jumpPossible(kAllHoles & ~board, j))
                back[static_cast<std::size_t>(n++)] = j;
        if (n == 0)
            return std::nullopt;
        board = afterJump(board, back[static_cast<std::size_t>(random.below(n))]);
    }
    return board;
}

// How far, in factors of ten, a chance lies outside the band.
double distance(double chance, const Day& day) {
    if (chance < day.least)
        return std::log10(day.least / chance);
    if (chance >= day.below)
        return std::log10(chance / day.below) + 1e-9; // the bound itself is outside
    return 0;
}

} // namespace

DailyProblem dailyProblem(const QDate& date, const HintEngine& engine) {
    const Day& day = kWeek[date.isValid() ? date.dayOfWeek() - 1 : 0];
    DayRandom random(static_cast<std::uint64_t>(date.toJulianDay()) ^ 0x50454242'4C454E49ull);
    Bits best = bitOf(kCentre);
    double bestChance = 1, bestDistance = HUGE_VAL;
    for (int t = 0; t < kTries && bestDistance > 0; ++t) {
        const auto board = walkBack(random, day.fewest + random.below(day.most - day.fewest + 1));
        if (!board)
            continue;
        const auto chance = FinishChance(engine, kClassLimit).of(*board);
        if (chance && distance(*chance, day) < bestDistance) {
            best = *board;
            bestChance = *chance;
            bestDistance = distance(*chance, day);
        }
    }
    DailyProblem problem;
    problem.position = startingPosition(toMarbles(best));
    problem.chance = bestChance;
    return problem;
}

} // namespace pebblenix
