// The board routines of the main window: a new game, the two clicks of a jump, the end
// of the game and the clock's tick. The rules themselves are in game/.

#include "app/frmgame.h"

#include "app/uiseam.h"
#include "game/clock.h"
#include "resources/marblepictures.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace pebblenix {

namespace {
const QString kMarble = QStringLiteral("1");
const QString kEmpty = QStringLiteral("-1");
} // namespace

void frmgame::showMarble(int index) {
    BoardCell* cell = pic[static_cast<std::size_t>(index)];
    const int scale = std::max(1, static_cast<int>(std::ceil(cell->devicePixelRatioF())));
    cell->setPicture(marblePicture(colid, scale));
    cell->setTag(kMarble);
}

void frmgame::showEmpty(int index) {
    BoardCell* cell = pic[static_cast<std::size_t>(index)];
    cell->setPicture(QImage());
    cell->setTag(kEmpty);
}

Marbles frmgame::board() const {
    Marbles m{};
    for (int i = 0; i < kCells; ++i)
        m[static_cast<std::size_t>(i)] = pic[static_cast<std::size_t>(i)]->Tag() == kMarble;
    return m;
}

void frmgame::ResetGame() {
    chmyapp = 0;
    gb_showboredbox = true;
    gb_showsave = true;
    Marbles_On_Board = kStartMarbles;
    for (int i = 0; i < kCells; ++i)
        showMarble(i);
    showEmpty(kCentre);
    for (int i : kOffBoardCells) {
        showEmpty(i);
        pic[static_cast<std::size_t>(i)]->hide();
    }
}

void frmgame::pic_Click(int Index) {
    if (!Timer1->isActive())
        Timer1->start();
    const auto cell = [this](int i) { return pic[static_cast<std::size_t>(i)]; };
    if (gb_ctr % 2 == 1) {
        // The selection may predate an Open or an Undo that emptied its cell; a jump from
        // an empty cell would make a marble out of nothing.
        if (canJump(board(), gi_from, Index))
            MakeMove(gi_from, static_cast<std::int16_t>(Index));
        gb_ctr = 2;
        cell(chmyapp)->setFlat(false);
    } else if (cell(Index)->Tag() == kMarble) {
        gi_from = static_cast<std::int16_t>(Index);
        gb_ctr = 1;
        cell(Index)->setFlat(true);
        chmyapp = static_cast<std::int16_t>(Index);
    }
}

void frmgame::MakeMove(std::int16_t tempfrom, std::int16_t tempto) {
    const auto over = jumpedCell(tempfrom, tempto);
    if (!over)
        return;
    // The position before the jump goes to the undo file first; if it cannot be written
    // the jump is not made, so nothing is ever done that cannot be taken back.
    const QString undoFile = TempFilePath();
    if (const auto failure = SavePebblenixFile(undoFile)) {
        ui().message(this, QStringLiteral("Pebblenix"),
                     QStringLiteral("The move was not made, because the undo file could not be "
                                    "written.\r\n%1: %2.")
                         .arg(QDir::toNativeSeparators(undoFile), *failure),
                     MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    showMarble(tempto);
    showEmpty(tempfrom);
    showEmpty(*over);
    if (Marbles_On_Board > 0)
        --Marbles_On_Board;
    lblmarbles_On_hand->setText(QString::number(Marbles_On_Board));
    CheckEndGame();
}

void frmgame::CheckEndGame() {
    if (Marbles_On_Board != 1)
        return;
    if (pic[kCentre]->Tag() == kMarble)
        ui().message(this, QStringLiteral("Congratulations"), QStringLiteral("You won The Game "),
                     MsgIcon::Exclamation, MsgButtons::Ok);
    else
        ui().message(this, QStringLiteral("Congratulations"),
                     QStringLiteral("Well played !! try to get the last marble\r\n in  the "
                                    "center square"),
                     MsgIcon::Information, MsgButtons::Ok);
}

void frmgame::Timer1_Timer() {
    lbltime->setText(QString::fromStdString(clockTick(lbltime->text().toStdString())));
}

} // namespace pebblenix
