#include "game/singlehole.h"

#include "game/verdict.h"

#include <QCoreApplication>

namespace pebblenix {

// The full board is in the class of no marble at all, so the class of the full board less
// one hole is that hole's: a lone last marble can only stand on a hole of the same class,
// whose row and column differ from the empty hole's by a multiple of three.
std::optional<QString> singleHoleReason(int hole) {
    if (inCentreClass(fullBoardWithout(hole)))
        return std::nullopt;
    //: Why a start with one empty hole has no finish in the centre. %1 is that hole, a
    //: column letter and a row number such as "c1" (never translated); the centre is d4.
    //: The rule of three is the usual name of this argument in peg solitaire.
    return QCoreApplication::translate(
               "Problems",
               "With only %1 empty at the start, the last marble can never finish in the centre "
               "(the rule of three): it can only end on a hole whose row and column each differ "
               "from those of %1 by 0, 3 or 6, and the centre's do not.")
        .arg(QLatin1String(cellName(hole).data()));
}

} // namespace pebblenix
