#include "game/verdict.h"

#include <QCoreApplication>
#include <bit>

namespace pebblenix {

namespace {
// The hole of a board's one marble.
int onlyHole(Bits board) {
    const int bit = std::countr_zero(board);
    return bit / 8 * kSide + bit % 8;
}
} // namespace

bool inCentreClass(Bits board) {
    return positionClass(compress(board)) == positionClass(compress(bitOf(kCentre)));
}

Verdict judgePosition(Bits board, const HintEngine& engine) {
    board &= kAllHoles;
    if (board == 0)
        return Verdict::NoMarbles;
    if (std::popcount(board) == 1)
        return board == bitOf(kCentre) ? Verdict::Finished : Verdict::OffCentre;
    if (!inCentreClass(board))
        return Verdict::WrongClass;
    return engine.canFinishInCentre(board) ? Verdict::CentreFinish : Verdict::NoSequence;
}

QString verdictText(Verdict verdict, Bits board, std::optional<int> fewestMoves) {
    switch (verdict) {
    case Verdict::CentreFinish:
        if (fewestMoves == 1)
            //: The position editor's verdict when one move (one marble's jumps made one
            //: after another) leaves one marble in the centre.
            return QCoreApplication::translate(
                "Verdict", "One marble can still finish in the centre, in one move.");
        if (fewestMoves)
            //: The position editor's verdict. A move is one marble's jumps made one after
            //: another; %n is the fewest moves that leave one marble in the centre, always
            //: more than one.
            return QCoreApplication::translate(
                "Verdict", "One marble can still finish in the centre, in %n moves at the fewest.",
                nullptr, *fewestMoves);
        //: The position editor's verdict on the board being set up.
        return QCoreApplication::translate("Verdict", "One marble can still finish in the centre.");
    case Verdict::Finished:
        //: The position editor's verdict on a board with one marble, in the centre.
        return QCoreApplication::translate(
            "Verdict", "One marble stands in the centre: this board is already solved.");
    case Verdict::NoMarbles:
        //: The position editor's verdict on an empty board.
        return QCoreApplication::translate("Verdict", "There are no marbles on the board.");
    case Verdict::OffCentre:
        //: The position editor's verdict on a board with one marble. %1 is its hole, a
        //: column letter and a row number such as "d1" (never translated).
        return QCoreApplication::translate(
                   "Verdict",
                   "The only marble stands on %1, not in the centre, and a lone marble cannot "
                   "jump.")
            .arg(QLatin1String(cellName(onlyHole(board & kAllHoles)).data()));
    case Verdict::WrongClass:
        //: The position editor's verdict. The rule of three is the usual name of this
        //: argument in peg solitaire; the three colours are stripes running along the
        //: diagonals of the board.
        return QCoreApplication::translate(
            "Verdict",
            "No series of jumps can leave one marble in the centre (the rule of three): colour "
            "the holes in three colours along the diagonals, either way; every jump changes "
            "the number of marbles on each colour by one, so whether each colour holds an odd "
            "or even number flips for all three at once, and from this board it never matches "
            "a lone marble in the centre.");
    case Verdict::NoSequence:
        //: The position editor's verdict: the rule of three (see the other verdict) does not
        //: forbid a centre finish, but the exact search finds none.
        return QCoreApplication::translate(
            "Verdict", "The rule of three allows a finish in the centre, but no series of "
                       "jumps from this board leads to one.");
    }
    return QString();
}

} // namespace pebblenix
