#include "game/difficulty.h"

#include <QCoreApplication>

namespace pebblenix {

namespace {
constexpr Bits kCentreOnly = bitOf(kCentre);
}

std::optional<double> FinishChance::of(Bits board) {
    board &= kAllHoles;
    if (board == kCentreOnly)
        return 1.0;
    if (!engine_.canFinishInCentre(board))
        return 0.0;
    overLimit_ = false;
    const double chance = search(board);
    if (overLimit_)
        return std::nullopt;
    return chance;
}

// `board` can still finish in the centre and is not finished, so it has a jump. A jump
// that loses the finish counts among the choices but adds nothing. Once the limit is
// reached nothing more is kept, and every search above returns at once, so what is kept
// stays true.
double FinishChance::search(Bits board) {
    const std::uint64_t key = compress(canonical(board));
    if (const auto it = cache_.constFind(key); it != cache_.cend())
        return *it;
    double sum = 0;
    int jumps = 0;
    for (const Jump& j : allJumps()) {
        if (!jumpPossible(board, j))
            continue;
        ++jumps;
        const Bits next = afterJump(board, j);
        if (next == kCentreOnly)
            sum += 1;
        else if (engine_.canFinishInCentre(next))
            sum += search(next);
        if (overLimit_)
            return 0;
    }
    if (cache_.size() >= limit_) {
        overLimit_ = true;
        return 0;
    }
    const double chance = sum / jumps;
    cache_.insert(key, chance);
    return chance;
}

Grade gradeOf(double chance) {
    constexpr double kLeast[kGrades - 1] = {1e-2, 1e-3, 1e-4, 1e-5, 1e-6};
    int g = 0;
    while (g < kGrades - 1 && chance < kLeast[g])
        ++g;
    return static_cast<Grade>(g);
}

QString gradeName(Grade grade) {
    switch (grade) {
    case Grade::Easy:
        //: A problem's grade: jumps made at random would finish with one marble in the
        //: centre at least once in 100 tries.
        return QCoreApplication::translate("Problems", "Easy");
    case Grade::Moderate:
        //: A problem's grade: random jumps finish in the centre once in 100 to 1,000 tries.
        return QCoreApplication::translate("Problems", "Moderate");
    case Grade::Hard:
        //: A problem's grade: random jumps finish in the centre once in 1,000 to 10,000 tries.
        return QCoreApplication::translate("Problems", "Hard");
    case Grade::VeryHard:
        //: A problem's grade: random jumps finish in the centre once in 10,000 to 100,000
        //: tries.
        return QCoreApplication::translate("Problems", "Very Hard");
    case Grade::Expert:
        //: A problem's grade: random jumps finish in the centre once in 100,000 to a
        //: million tries.
        return QCoreApplication::translate("Problems", "Expert");
    case Grade::Master:
        //: A problem's grade, the hardest: random jumps finish in the centre less than once
        //: in a million tries.
        return QCoreApplication::translate("Problems", "Master");
    }
    return QString();
}

} // namespace pebblenix
