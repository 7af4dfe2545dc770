// The board routines of the main window: a new game, the two clicks of a jump or a drag,
// the end of the game and the clock's tick, each a call on the game model, and refresh(),
// which shows the model.

#include "app/frmgame.h"

#include "drawing/twips.h"
#include "files/gamefile.h"
#include "files/recordsfile.h"

#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <algorithm>

namespace pebblenix {

void frmgame::ResetGame() {
    gb_showboredbox = true;
    game = Game();
    for (int i = 0; i < kCells; ++i)
        pic[static_cast<std::size_t>(i)]->setVisible(!isOffBoard(i));
    refresh();
}

void frmgame::refresh() {
    // A dragged marble is picked up: its cell looks selected, and its picture follows the
    // pointer instead.
    const auto picked = dragFrom_ ? dragFrom_ : game.selection();
    const auto marks = jumpMarks(picked);
    // Marks that tell which jumps keep the centre finish help as a hint does.
    if (std::any_of(marks.begin(), marks.end(), [](JumpMark m) {
            return m == JumpMark::KeepsFinish || m == JumpMark::LosesFinish;
        }))
        game.markAssisted();
    for (int i = 0; i < kCells; ++i) {
        BoardCell* cell = pic[static_cast<std::size_t>(i)];
        const bool marble = game.hasMarble(i);
        cell->setState(marble && dragFrom_ != i ? marble_ : QImage(), marble, picked == i);
        cell->setJumpMark(marks[static_cast<std::size_t>(i)]);
    }
    lblmarbles_On_hand->setText(game.countText());
    lbltime->setText(game.clock());
    if (game.clockRunning() && !Timer1->isActive())
        Timer1->start();
    followReview();
    followWinningLine();
}

BeforeJump frmgame::undoWriter(const QString& message) {
    return [this, message](const Position& before) -> std::optional<QString> {
        const QString undoFile = TempFilePath();
        if (const auto failure = writeUndoFile(undoFile, before))
            return message.arg(QDir::toNativeSeparators(undoFile), *failure);
        return std::nullopt;
    };
}

namespace {
QString moveNotMade() {
    //: %1 is the undo file's path, %2 why it could not be written.
    return frmgame::tr("The move was not made, because the undo file could not be "
                       "written.\r\n%1: %2.");
}
} // namespace

// A click starts the clock and picks up or puts down a marble; the click on an empty hole
// that the picked-up marble can jump to is the jump, which MakeMove makes.
void frmgame::pic_Click(int Index) {
    const auto source = game.selection();
    if (source && !game.hasMarble(Index) && ValidMove(*source, Index)) {
        MakeMove(*source, Index);
        return;
    }
    report(game.click(Index, undoWriter(moveNotMade())), source);
}

void frmgame::marbleDragged(int index, QPoint from, QPoint to) {
    BoardCell* cell = pic[static_cast<std::size_t>(index)];
    if (!dragFrom_) {
        dragFrom_ = index;
        if (!picDragged) {
            picDragged = new QLabel(centralWidget());
            picDragged->setObjectName(QStringLiteral("picDragged"));
            picDragged->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        picDragged->setPixmap(QPixmap::fromImage(marble_));
        picDragged->adjustSize();
        picDragged->raise();
        picDragged->show();
        refresh();
    }
    // The marble keeps the place under the pointer where it was picked up.
    picDragged->move(cell->mapTo(centralWidget(), cell->pictureOffset() + to - from));
}

void frmgame::marbleDropped(int index, QPoint at) {
    endDrag();
    const auto target = holeAt(pic[static_cast<std::size_t>(index)]->mapTo(Frame1, at));
    if (!target || !canJump(game.marbles(), index, *target))
        return; // back where it was, and nothing has changed
    playJump({index, *target});
}

// A jump made for the player (a drop, Play Next Jump) takes the one path every jump takes.
void frmgame::playJump(const Jump& jump) {
    clearHint();
    MakeMove(jump.from, jump.to);
}

void frmgame::endDrag() {
    if (!dragFrom_)
        return;
    dragFrom_.reset();
    picDragged->hide();
    refresh();
}

std::optional<int> frmgame::holeAt(QPoint inFrame) const {
    const int pitch = px(480, zoom_);
    for (int i = 0; i < kCells; ++i) {
        QRect square(0, 0, pitch, pitch);
        square.moveCenter(pic[static_cast<std::size_t>(i)]->geometry().center());
        if (isHole(i) && square.contains(inFrame))
            return i;
    }
    return std::nullopt;
}

bool frmgame::ValidMove(std::int16_t tempfrom, std::int16_t tempto) const {
    return pebblenix::ValidMove(game.marbles(), tempfrom, tempto);
}

// The jump is the model's click on the hole with the marble at `tempfrom` picked up: it
// starts the clock, writes the undo file first, and ends the game when it should.
void frmgame::MakeMove(std::int16_t tempfrom, std::int16_t tempto) {
    game.select(tempfrom);
    report(game.click(tempto, undoWriter(moveNotMade())), tempfrom);
}

void frmgame::report(const Result& result, std::optional<int> source) {
    refresh();
    if (result.finished) // before any message, so that the game is kept whatever follows
        records().add(*result.finished, QDate::currentDate());
    if (result.outcome == Outcome::Refused) {
        tellFailure(this, result.reason);
        return;
    }
    // The end-of-game message stands over the board with the jumped-from cell still
    // looking selected; the cell turns back when the message is closed.
    if (result.outcome == Outcome::Won || result.outcome == Outcome::LastMarbleOffCentre) {
        if (source)
            pic[static_cast<std::size_t>(*source)]->setFlat(true);
        CheckEndGame(result.outcome);
        refresh();
    }
}

void frmgame::CheckEndGame(Outcome outcome) {
    if (outcome == Outcome::Won)
        //: The title of the two messages at the end of a game.
        ui().message(this, tr("Congratulations"),
                     //: The last marble stands in the centre. The capitals and the space at
                     //: the end are kept as written on purpose.
                     tr("You won The Game "), MsgIcon::Exclamation, MsgButtons::Ok);
    else if (outcome == Outcome::LastMarbleOffCentre)
        ui().message(this, tr("Congratulations"),
                     //: One marble is left, but not in the centre. The line break, the double
                     //: space and the spelling are kept as written on purpose.
                     tr("Well played !! try to get the last marble\r\n in  the center square"),
                     MsgIcon::Information, MsgButtons::Ok);
}

void frmgame::Timer1_Timer() {
    game.tick();
    lbltime->setText(game.clock());
}

} // namespace pebblenix
