#include "view/jumpmarks.h"

#include "game/bitboard.h"
#include "game/hint.h"

#include <algorithm>

namespace pebblenix {

JumpMarks jumpMarks(const Marbles& board, std::optional<int> picked, const HintEngine* engine) {
    JumpMarks marks{};
    if (!picked)
        return marks;
    const Bits bits = toBits(board);
    for (int to : jumpTargets(board, *picked)) {
        JumpMark& mark = marks[static_cast<std::size_t>(to)];
        if (!engine)
            mark = JumpMark::Legal;
        else if (engine->canFinishInCentre(afterJump(bits, Jump(*picked, to))))
            mark = JumpMark::KeepsFinish;
        else
            mark = JumpMark::LosesFinish;
    }
    return marks;
}

bool showsVerdict(const JumpMarks& marks) {
    return std::any_of(marks.begin(), marks.end(), [](JumpMark m) {
        return m == JumpMark::KeepsFinish || m == JumpMark::LosesFinish;
    });
}

} // namespace pebblenix
