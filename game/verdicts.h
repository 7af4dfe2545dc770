#pragma once
// What the engine found, in the sentences the game and the tool tell the player. Each is
// translated once, in the context "Game" (QCoreApplication::translate), wherever it shows.

#include <QtGlobal>

namespace pebblenix {

inline constexpr char kNoFinishText[] = QT_TRANSLATE_NOOP(
    "Game", "No finish with the last marble in the centre is possible from here.");
inline constexpr char kStillFinishText[] =
    QT_TRANSLATE_NOOP("Game", "You can still finish with the last marble in the centre.");
//: The position the jumps start from (a new game, a game file) could never finish with
//: the last marble in the centre.
inline constexpr char kNeverFinishText[] =
    QT_TRANSLATE_NOOP("Game", "This game started from a position that cannot finish with the "
                              "last marble in the centre.");
inline constexpr char kAlreadyFinishedText[] =
    QT_TRANSLATE_NOOP("Game", "The last marble is already in the centre.");

} // namespace pebblenix
