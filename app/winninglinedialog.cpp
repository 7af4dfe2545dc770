#include "app/winninglinedialog.h"

#include "files/settings.h"
#include "game/bitboard.h"
#include "game/hint.h"
#include "game/review.h"
#include "game/verdicts.h"
#include "seam/uiseam.h"
#include "session/gamesession.h"
#include "session/hintservice.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>
#include <utility>

namespace pebblenix {

namespace {
// Rows shown without scrolling; a longer line scrolls.
constexpr int kRowsShown = 12;

} // namespace

WinningLineDialog::WinningLineDialog(QWidget* parent, UiSeam& ui)
    : JumpListDialog(parent, tr("Winning Line"), {}, tr("&Play Next Jump")) {
    setObjectName(QStringLiteral("frmwinningline"));
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch); // the jump takes the room
    list->header()->setStretchLastSection(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    jumpHeader_ = list->headerItem()->text(1);
    connect(action, &QPushButton::clicked, this, [this] { // Enter plays the next jump
        if (next_)
            emit playRequested(*next_);
    });

    //: Winning Line's choice: the line of jumps the hints follow, whatever its moves.
    anyLine = new QRadioButton(QCoreApplication::translate("Moves", "&Any Line"), this);
    //: Winning Line's choice: a line in the fewest moves, a move being one marble's chain
    //: of jumps.
    fewestMoves = new QRadioButton(QCoreApplication::translate("Moves", "Fewest &Moves"), this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(anyLine);
    choice->addButton(fewestMoves);
    (ViewSetting::read().fewestMovesLine ? fewestMoves : anyLine)->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(anyLine);
    row->addWidget(fewestMoves);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, row);
    connect(fewestMoves, &QRadioButton::toggled, this, [this, &ui](bool on) {
        showAgain();
        if (const auto failure = ViewSetting::writeFewestMovesLine(on))
            //: %1 says which settings file could not be written and why.
            ui.tellFailure(this,
                           QCoreApplication::translate(
                               "Moves", "The choice of winning line could not be saved, so the "
                                        "next Winning Line opens with the one stored "
                                        "before.\r\n%1.")
                               .arg(*failure));
    });
}

bool WinningLineDialog::showNoLine(bool noLine, bool empty, bool startFinishable) {
    list->clear();
    next_.reset();
    action->setEnabled(false);
    if (noLine)
        summary->setText(
            startFinishable
                ? QCoreApplication::translate("Game", kNoFinishText) + QLatin1Char(' ') +
                      tr("Rewind to Last Winnable Position (Ctrl+R) goes back to before the "
                         "jump that lost it.")
                : QCoreApplication::translate("Game", kNeverFinishText));
    else if (empty)
        summary->setText(QCoreApplication::translate("Game", kAlreadyFinishedText));
    if (noLine || empty)
        fitList();
    return noLine || empty;
}

void WinningLineDialog::addRow(const QString& number, const QString& jumps, int marblesLeft,
                               const Jump& holes) {
    auto* row = new QTreeWidgetItem(list, {number, jumps, QString::number(marblesLeft)});
    setJump(row, holes);
    row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

void WinningLineDialog::showLine(const std::optional<std::vector<Jump>>& line, int marbles,
                                 bool startFinishable) {
    list->headerItem()->setText(1, jumpHeader_);
    if (showNoLine(!line, line && line->empty(), startFinishable))
        return;
    //: Above the list of jumps; the number of jumps comes last.
    summary->setText(
        tr("Jumps to the last marble in the centre: %n", nullptr, static_cast<int>(line->size())));
    next_ = line->front();
    for (std::size_t i = 0; i < line->size(); ++i)
        addRow(QString::number(i + 1), jumpName((*line)[i]), marbles - int(i) - 1, (*line)[i]);
    fitList();
}

void WinningLineDialog::showMoves(const std::optional<MoveLine>& line, int marbles,
                                  bool startFinishable, bool goesOn) {
    //: Winning Line's column header with Fewest Moves: each row a move, "d2 -> d4 -> d6".
    list->headerItem()->setText(1, QCoreApplication::translate("Moves", "Move"));
    if (showNoLine(!line, line && line->empty(), startFinishable))
        return;
    const int count = static_cast<int>(line->size()) - goesOn;
    summary->setText(goesOn
                         //: Above the list of moves when its first row, without a number,
                         //: goes on with the marble that has just jumped; the number of
                         //: moves after it comes last.
                         ? QCoreApplication::translate(
                               "Moves",
                               "Moves to the last marble in the centre after the move under "
                               "way: %n",
                               nullptr, count)
                         //: Above the list of moves; the number of moves comes last.
                         : QCoreApplication::translate("Moves",
                                                       "Moves to the last marble in the centre: %n",
                                                       nullptr, count));
    next_ = line->front().front();
    for (std::size_t i = 0; i < line->size(); ++i) {
        marbles -= static_cast<int>((*line)[i].size());
        const int number = static_cast<int>(i) + !goesOn;
        // A move's row marks where its marble starts and where it ends.
        addRow(number ? QString::number(number) : QString(), moveName((*line)[i]), marbles,
               Jump((*line)[i].front().from, (*line)[i].back().to));
    }
    if (goesOn)
        //: The tip of Winning Line's first row when it has no number.
        list->topLevelItem(0)->setToolTip(
            1,
            QCoreApplication::translate(
                "Moves", "The marble that has just jumped goes on: these jumps belong to the move "
                         "under way."));
    fitList();
}

void WinningLineDialog::fitList() {
    list->setCurrentItem(list->topLevelItem(0));
    action->setEnabled(next_.has_value());
    fitted_ = true;
    measureList();
}

void WinningLineDialog::measureList() {
    // As wide as the columns need in the player's language, and tall enough for a dozen
    // rows; the summary wraps within that width.
    const QAbstractItemView* view = list; // where the column's size hint is public
    const int frame = 2 * list->frameWidth();
    int width = frame + list->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < list->columnCount(); ++c)
        width += std::max(view->sizeHintForColumn(c), list->header()->sectionSizeHint(c));
    list->setMinimumWidth(width);
    const int row =
        list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 4;
    list->setMinimumHeight(list->header()->sizeHint().height() + kRowsShown * row + frame);
}

// Before a line is shown, and while the table of fewest moves is read, the list keeps the
// size it has.
void WinningLineDialog::sizeToContents() {
    if (fitted_)
        measureList();
    adjustSize();
}

// A game played with its winning line in view is played with help.
void WinningLineDialog::showFrom(GameSession& session, const HintEngine& engine) {
    const Game& game = session.game();
    const int marbles = std::popcount(toBits(game.marbles()));
    const bool startFinishable = engine.canFinishInCentre(toBits(game.firstPosition()));
    if (!fewestMoves->isChecked()) {
        showLine(session.winningLine(engine), marbles, startFinishable);
        return;
    }
    HintService& service = session.engine();
    if (const FewestMoves* fewest = service.fewestMoves()) {
        const auto line = session.fewestMovesLine(*fewest);
        const auto moving = movingMarble(game.jumps());
        showMoves(line, marbles, startFinishable,
                  line && !line->empty() && moving && line->front().front().from == *moving);
        return;
    }
    list->clear();
    next_.reset();
    action->setEnabled(false);
    if (service.movesReady()) {
        //: In Winning Line, when the table of fewest moves (a file installed with the game)
        //: cannot be used; %1 says why.
        summary->setText(QCoreApplication::translate(
                             "Moves", "A line of the fewest moves is not available, because their "
                                      "table cannot be used: %1.")
                             .arg(service.movesError()));
        fitList();
        return;
    }
    summary->clear(); // until the table is read, in a moment
    fitted_ = false;
    if (!std::exchange(waiting_, true))
        service.whenMovesReady(this, [this](const FewestMoves*, const QString&) {
            waiting_ = false;
            showAgain();
        });
}

} // namespace pebblenix
