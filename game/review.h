#pragma once
// Judging a whole game: after each jump, could the last marble still finish in the
// centre? The first jump after which it could not is the one that lost the game.

#include "game/game.h"
#include "game/hint.h"

#include <QString>
#include <optional>
#include <vector>

namespace pebblenix {

struct JudgedJump {
    Jump jump;
    int marblesLeft;     // on the board after the jump
    bool finishPossible; // after the jump
};

struct Review {
    bool startFinishable = false; // from the position the jumps start from
    std::vector<JudgedJump> jumps;
    std::optional<std::size_t> losing; // the first jump after which no finish was left
    std::optional<Jump> keeper;        // a jump in its place that would have kept one
};

// One table lookup per position of the game.
Review reviewGame(const Marbles& first, const std::vector<Jump>& jumps, const HintEngine& engine);

// A jump as the solver prints it: "d2 -> d4".
QString jumpName(const Jump& jump);
// A move, one marble's chain of jumps: "d2 -> d4 -> d6".
QString moveName(const std::vector<Jump>& move);

} // namespace pebblenix
