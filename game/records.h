#pragma once
// How a game ended, and the player's records kept from the games that ended.

#include <QDate>
#include <QString>
#include <array>
#include <map>
#include <optional>

namespace pebblenix {

inline constexpr int kClockSeconds = 120;
// The counts stop here rather than overflow.
inline constexpr int kMostGames = 1'000'000'000;

// The end of a game: one marble left, or no jump left on the board.
struct Finish {
    int marblesLeft = 0;
    bool inCentre = false;          // one marble left, and it stands in the centre
    std::optional<int> secondsUsed; // of the 120-second clock; nothing when it had run out
    bool assisted = false;          // reached with the engine's help
    // The moves of a centre finish (a chain of jumps by one marble is one move) of a game
    // played from the start without Open; nothing for any other.
    std::optional<int> moves;
    bool operator==(const Finish&) const = default;
};

// The seconds of the clock a game has used, from the clock's text; nothing once the time
// is out. A game opened from a file goes on from the file's clock.
std::optional<int> secondsUsed(const QString& clock);

struct BestFinish {
    int marblesLeft = 0;
    bool inCentre = false;
    QDate date;
    bool operator==(const BestFinish&) const = default;
};

struct FastestFinish {
    std::optional<int> seconds; // nothing: over time
    QDate date;
    bool operator==(const FastestFinish&) const = default;
};

// A centre finish from the start takes 18 moves at the fewest and 31 (one jump each) at most.
inline constexpr int kFewestStartMoves = 18;
inline constexpr int kMostStartMoves = 31;

struct MovesFinish {
    int moves = 0;
    QDate date;
    bool operator==(const MovesFinish&) const = default;
};

// A problem of the collection finished in the centre: the fewest moves, and the day they
// were first reached.
using ProblemFinish = MovesFinish;
// A problem's board holds at most 32 marbles, so a finish takes at most 31 moves.
inline constexpr int kMostProblemMoves = kMostStartMoves;
// Problems beyond this many are not recorded, so that the records file stays small.
inline constexpr std::size_t kMostProblemRecords = 400;

// A problem's name in the records: its game file's name without ".pnx", 1 to 40 of
// a-z, 0-9 and '-'.
bool isProblemId(const QString& id);

// Today's Problem solved on days in a row: the run that ends on `last`, and the longest.
struct DailyStreak {
    int days = 0;
    QDate last;
    int best = 0;
    bool operator==(const DailyStreak&) const = default;
};

// Fewer marbles is better; with one marble, the centre is.
bool isBetter(const BestFinish& a, const BestFinish& b);
// Fewer seconds is better; any time is better than over time.
bool isFaster(const FastestFinish& a, const FastestFinish& b);

enum Help { Unaided = 0, Assisted = 1 };

// What the records file holds. Bests are kept apart for games played without help and
// with it, so that a finish reached with help never replaces one reached without.
struct Records {
    int played = 0;
    int centreFinishes = 0; // with help or without
    std::array<std::optional<BestFinish>, 2> best;
    std::array<std::optional<FastestFinish>, 2> fastest; // of centre finishes only
    // The fewest moves of a centre finish of a game played from the start without Open.
    std::array<std::optional<MovesFinish>, 2> fewestMoves;
    // Each problem finished in the centre, by its name, with and without help.
    std::map<QString, std::array<std::optional<ProblemFinish>, 2>> problems;
    DailyStreak daily;

    void add(const Finish& finish, const QDate& date);
    // A problem finished in the centre in `moves` on `date`.
    void addProblem(const QString& id, Help help, int moves, const QDate& date);
    // Today's Problem of `day` finished in the centre: once a day, and a day after the last
    // one lengthens the run. An earlier day than the last changes nothing.
    void addDay(const QDate& day);
    // The days in a row that still count on `today`: none once a day has been missed.
    int streakOn(const QDate& today) const;
    // The best with help, when it beats the best without (or there is none): the one worth
    // showing beside it.
    std::optional<BestFinish> bestWithHelpShown() const;
    std::optional<FastestFinish> fastestWithHelpShown() const;
    std::optional<MovesFinish> fewestMovesWithHelpShown() const;
    bool operator==(const Records&) const = default;
};

} // namespace pebblenix
