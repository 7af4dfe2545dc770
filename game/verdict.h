#pragma once
// Whether one marble can still finish in the centre from any board, of 0 to 33 marbles,
// or why not, in a sentence the position editor shows as the board changes.

#include "game/bitboard.h"
#include "game/hint.h"

#include <QString>
#include <optional>

namespace pebblenix {

enum class Verdict {
    CentreFinish, // jumps can still leave one marble in the centre
    Finished,     // one marble left, in the centre
    NoMarbles,
    OffCentre,  // one marble left, elsewhere: it cannot jump
    WrongClass, // the rule of three forbids it
    NoSequence, // the rule of three allows it, but no series of jumps does
};

// Whether `board` is in the position class of a lone marble in the centre, which every
// board that can finish there is, since no jump changes a board's class.
bool inCentreClass(Bits board);

Verdict judgePosition(Bits board, const HintEngine& engine);

// The verdict as one whole sentence, translated. The fewest moves to the finish (the
// fewest-moves engine's answer, when the caller has it) go into the sentence of a
// CentreFinish.
QString verdictText(Verdict verdict, Bits board, std::optional<int> fewestMoves = std::nullopt);

} // namespace pebblenix
