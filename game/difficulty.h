#pragma once
// How hard a position is, exactly: the chance that jumps chosen at random (each legal jump
// of the board equally likely, until none is left) end with one marble in the centre. A
// position from which the table allows no centre finish adds nothing, so only positions
// that can still finish are visited, each symmetry class once.

#include "game/bitboard.h"
#include "game/hint.h"

#include <QHash>
#include <QString>
#include <limits>
#include <optional>

namespace pebblenix {

class FinishChance {
public:
    // A board that cannot be reached from the start may have far more classes below it
    // than the start has (up to 23.5 million, minutes of work): `classLimit` bounds those
    // kept, and with them the memory and the time.
    explicit FinishChance(const HintEngine& engine,
                          qsizetype classLimit = std::numeric_limits<qsizetype>::max())
        : engine_(engine), limit_(classLimit) {}

    // From 0 (no centre finish) to 1 (one marble in the centre already); nothing when the
    // limit was reached. What it works out is kept for the next board.
    std::optional<double> of(Bits board);

    qsizetype remembered() const { return cache_.size(); }

private:
    double search(Bits board);

    const HintEngine& engine_;
    qsizetype limit_;
    bool overLimit_ = false;
    QHash<std::uint64_t, double> cache_; // by the key of the class's canonical board
};

// The chance as a few named steps of a factor of ten, easiest first.
enum class Grade { Easy, Moderate, Hard, VeryHard, Expert, Master };
inline constexpr int kGrades = 6;

Grade gradeOf(double chance);
// The grade's name, translated.
QString gradeName(Grade grade);

} // namespace pebblenix
