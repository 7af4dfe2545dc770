#pragma once
// The problem of the day: a position made from the date alone, so that every player has the
// same one that day, on any machine and offline. It is made by jumps played backwards from
// one marble in the centre, so it always has a centre finish, and chosen harder through
// the week by its exact chance of a finish by random jumps: Monday easiest, Sunday hardest.

#include "game/hint.h"
#include "game/position.h"

#include <QDate>

namespace pebblenix {

struct DailyProblem {
    Position position; // the clock at "120", the count the marbles'
    double chance = 0;
};

// The same every time for the same date. Under a millisecond on most days; on Sundays 0.25 s
// on average and 1.5 s at worst over a year of them, on the build machine.
DailyProblem dailyProblem(const QDate& date, const HintEngine& engine);

} // namespace pebblenix
