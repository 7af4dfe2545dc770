#include "game/records.h"

#include "game/clock.h"

#include <algorithm>
#include <cmath>

namespace pebblenix {

std::optional<int> secondsUsed(const QString& clock) {
    // "TimeOut!!" reads as 0; a hand-made clock above 120 has used no time at all.
    const double left = std::trunc(readNumber(clock.toStdString()));
    if (!(left >= 1))
        return std::nullopt;
    return kClockSeconds - static_cast<int>(std::min(left, double(kClockSeconds)));
}

bool isBetter(const BestFinish& a, const BestFinish& b) {
    return a.marblesLeft < b.marblesLeft ||
           (a.marblesLeft == b.marblesLeft && a.inCentre && !b.inCentre);
}

bool isFaster(const FastestFinish& a, const FastestFinish& b) {
    return a.seconds && (!b.seconds || *a.seconds < *b.seconds);
}

namespace {
bool fewerMoves(const MovesFinish& a, const MovesFinish& b) {
    return a.moves < b.moves;
}

// The earlier of two equal records stays: it was reached first.
template <class T, class Better>
void keepBest(std::optional<T>& kept, const T& candidate, Better better) {
    if (!kept || better(candidate, *kept))
        kept = candidate;
}

template <class T, class Better>
std::optional<T> shownBeside(const std::optional<T>& withHelp, const std::optional<T>& without,
                             Better better) {
    if (withHelp && (!without || better(*withHelp, *without)))
        return withHelp;
    return std::nullopt;
}
} // namespace

void Records::add(const Finish& finish, const QDate& date) {
    played = std::min(played + 1, kMostGames);
    const auto help = finish.assisted ? Assisted : Unaided;
    keepBest(best[help], BestFinish{finish.marblesLeft, finish.inCentre, date}, isBetter);
    if (!finish.inCentre)
        return;
    centreFinishes = std::min(centreFinishes + 1, kMostGames);
    keepBest(fastest[help], FastestFinish{finish.secondsUsed, date}, isFaster);
    if (finish.moves)
        keepBest(fewestMoves[help], MovesFinish{*finish.moves, date}, fewerMoves);
}

bool isProblemId(const QString& id) {
    return id.size() >= 1 && id.size() <= 40 && std::all_of(id.begin(), id.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
           });
}

void Records::addProblem(const QString& id, Help help, int moves, const QDate& date) {
    if (!isProblemId(id) || moves < 1 || moves > kMostProblemMoves ||
        (!problems.count(id) && problems.size() >= kMostProblemRecords))
        return;
    keepBest(problems[id][help], ProblemFinish{moves, date}, fewerMoves);
}

void Records::addDay(const QDate& day) {
    if (!day.isValid() || (daily.last.isValid() && day <= daily.last))
        return;
    daily.days = daily.last.isValid() && daily.last.daysTo(day) == 1
                     ? std::min(daily.days + 1, kMostGames)
                     : 1;
    daily.last = day;
    daily.best = std::max(daily.best, daily.days);
}

int Records::streakOn(const QDate& today) const {
    const qint64 since = daily.last.isValid() ? daily.last.daysTo(today) : -1;
    return since == 0 || since == 1 ? daily.days : 0;
}

std::optional<BestFinish> Records::bestWithHelpShown() const {
    return shownBeside(best[Assisted], best[Unaided], isBetter);
}

std::optional<FastestFinish> Records::fastestWithHelpShown() const {
    return shownBeside(fastest[Assisted], fastest[Unaided], isFaster);
}

std::optional<MovesFinish> Records::fewestMovesWithHelpShown() const {
    return shownBeside(fewestMoves[Assisted], fewestMoves[Unaided], fewerMoves);
}

} // namespace pebblenix
