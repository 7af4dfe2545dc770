#include "app/setupdialog.h"

#include "app/boardwidget.h"
#include "app/windowlayout.h"
#include "drawing/twips.h"
#include "game/bitboard.h"
#include "game/fewestmoves.h"
#include "game/verdict.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <bit>

namespace pebblenix {

namespace {
// The verdict's lines are about this many characters wide.
constexpr int kVerdictCharacters = 36;
} // namespace

SetUpDialog::SetUpDialog(QWidget* parent, const Marbles& board, const QImage& marble, int zoom,
                         const HintEngine& engine)
    : QDialog(parent), engine_(engine) {
    setObjectName(QStringLiteral("frmsetup"));
    //: The title of the position editor, where the player puts and takes marbles.
    setWindowTitle(tr("Set Up Position"));
    setAttribute(Qt::WA_DeleteOnClose);

    boardView = new BoardWidget(this);
    boardView->setObjectName(QStringLiteral("setupBoard"));
    //: The board of the position editor, for a screen reader: a click, Space or Enter on a
    //: hole puts a marble in it or takes it out.
    boardView->setAccessibleName(tr("Board to set up"));
    setZoom(zoom, marble);
    boardView->showHoles();
    boardView->setKeyJumps(false); // a marble moved two holes would leave the one between
    connect(boardView, &BoardWidget::clicked, this,
            [this](int cell) { put(cell, !board_[std::size_t(cell)]); });
    connect(boardView, &BoardWidget::dropped, this, [this](int from, int to) {
        if (board_[std::size_t(to)])
            return; // a hole with a marble takes no other
        board_[std::size_t(from)] = false;
        put(to, true);
    });
    connect(boardView, &BoardWidget::dragChanged, this, &SetUpDialog::showMarbles);
    for (BoardCell* cell : boardView->cells())
        cell->setFocusPolicy(cell->index() == kCentre ? Qt::StrongFocus : Qt::ClickFocus);

    count = new QLabel(this);
    count->setObjectName(QStringLiteral("setupCount"));
    verdict = new QLabel(this);
    verdict->setObjectName(QStringLiteral("setupVerdict"));
    verdict->setWordWrap(true);
    verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    verdict->setMinimumWidth(verdict->fontMetrics().averageCharWidth() * kVerdictCharacters);
    for (QLabel* label : {count, verdict})
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    //: Takes every marble off the board being set up.
    clearButton = new QPushButton(tr("&Clear"), this);
    //: Puts a marble in every hole of the board being set up.
    fullButton = new QPushButton(tr("&Full"), this);
    //: Starts a game from the board set up, as Game > New starts one.
    playButton = new QPushButton(tr("&Play From Here"), this);
    //: Saves the board set up as a game file.
    saveButton = new QPushButton(tr("Save &As\u2026"), this);
    auto* closeBox = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButton = closeBox->button(QDialogButtonBox::Close);
    connect(closeBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(clearButton, &QPushButton::clicked, this, [this] { setBoard(Marbles{}); });
    connect(fullButton, &QPushButton::clicked, this, [this] { setBoard(toMarbles(kAllHoles)); });
    connect(playButton, &QPushButton::clicked, this, [this] { emit playRequested(board_); });
    connect(saveButton, &QPushButton::clicked, this, [this] { emit saveRequested(board_); });

    auto* side = new QVBoxLayout;
    side->addWidget(count);
    side->addWidget(verdict, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {clearButton, fullButton, playButton, saveButton})
        buttons->addWidget(button);
    buttons->addStretch();
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout;
    layout->addWidget(boardView, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(layout);
    outer->addWidget(closeBox);

    setBoard(board);
    boardView->cell(kCentre)->setFocus();
}

void SetUpDialog::setMoves(const FewestMoves* moves) {
    moves_ = moves;
    setBoard(board_);
}

void SetUpDialog::setBoard(const Marbles& board) {
    board_ = toMarbles(toBits(board)); // holes only
    const Bits bits = toBits(board_);
    const Verdict v = judgePosition(bits, engine_);
    const auto fewest =
        v == Verdict::CentreFinish && moves_ ? moves_->fewestMoves(bits) : std::nullopt;
    verdict->setText(verdictText(v, bits, fewest));
    //: Above the verdict of the position editor: how many marbles the board holds.
    count->setText(tr("Marbles on the board: %n", nullptr, std::popcount(bits)));
    showMarbles();
}

void SetUpDialog::showMarbles() {
    boardView->showBoard(board_, std::nullopt, JumpMarks{});
}

void SetUpDialog::setZoom(int zoom, const QImage& marble) {
    const bool resized = zoom != boardView->zoom();
    boardView->setZoom(zoom, marble);
    boardView->setFixedSize(px(kBoardTwips, zoom), px(kBoardTwips, zoom));
    showMarbles();
    if (resized && isVisible())
        adjustSize(); // as it would open at the new step, smaller too
}

void SetUpDialog::put(int cell, bool marble) {
    Marbles board = board_;
    board[std::size_t(cell)] = marble;
    setBoard(board);
}

void SetUpDialog::keyPressEvent(QKeyEvent* event) {
    const auto* cell = qobject_cast<BoardCell*>(focusWidget());
    const int key = event->key();
    if (cell && cell->parentWidget() == boardView &&
        (key == Qt::Key_Insert || key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
        put(cell->index(), key == Qt::Key_Insert);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SetUpDialog::focusNextPrevChild(bool next) {
    keepOneTabStop(focusWidget());
    return QDialog::focusNextPrevChild(next);
}

void SetUpDialog::keepOneTabStop(QWidget* now) {
    const auto* focused = qobject_cast<BoardCell*>(now);
    if (!focused || focused->parentWidget() != boardView)
        return;
    for (BoardCell* cell : boardView->cells())
        cell->setFocusPolicy(cell == focused ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace pebblenix
