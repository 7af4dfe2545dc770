#pragma once
// One position of a game, as a game file and the undo file hold it: the 49 cells, the
// clock's text and the marble count's text with the number it stands for.

#include "game/board.h"

#include <QString>
#include <algorithm>

namespace pebblenix {

struct Position {
    Marbles marbles{};
    QString clock;     // shown unchanged
    QString countText; // shown unchanged
    quint8 count = 0;  // the number the count text stands for
    bool operator==(const Position&) const = default;
};

// A new game: 32 marbles around the empty centre, the clock at "120".
Position newGamePosition();

// A game that starts from these marbles: the clock at "120", the count theirs.
inline Position startingPosition(const Marbles& marbles) {
    Position p;
    p.marbles = marbles;
    p.count = static_cast<quint8>(marblesOn(marbles));
    p.countText = QString::number(p.count);
    p.clock = QStringLiteral("120");
    return p;
}

} // namespace pebblenix
