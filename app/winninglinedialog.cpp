#include "app/winninglinedialog.h"

#include "game/bitboard.h"
#include "game/hint.h"
#include "game/review.h"
#include "game/verdicts.h"
#include "session/gamesession.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>

namespace pebblenix {

namespace {
// Rows shown without scrolling; a longer line scrolls.
constexpr int kRowsShown = 12;
} // namespace

WinningLineDialog::WinningLineDialog(QWidget* parent)
    : JumpListDialog(parent, tr("Winning Line"), {}, tr("&Play Next Jump")) {
    setObjectName(QStringLiteral("frmwinningline"));
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch); // the jump takes the room
    list->header()->setStretchLastSection(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(action, &QPushButton::clicked, this, [this] { // Enter plays the next jump
        if (next_)
            emit playRequested(*next_);
    });
}

void WinningLineDialog::showLine(const std::optional<std::vector<Jump>>& line, int marbles,
                                 bool startFinishable) {
    list->clear();
    next_.reset();
    if (!line) {
        summary->setText(
            startFinishable
                ? QCoreApplication::translate("Game", kNoFinishText) + QLatin1Char(' ') +
                      tr("Rewind to Last Winnable Position (Ctrl+R) goes back to before the "
                         "jump that lost it.")
                : QCoreApplication::translate("Game", kNeverFinishText));
    } else if (line->empty()) {
        summary->setText(QCoreApplication::translate("Game", kAlreadyFinishedText));
    } else {
        //: Above the list of jumps; the number of jumps comes last.
        summary->setText(tr("Jumps to the last marble in the centre: %n", nullptr,
                            static_cast<int>(line->size())));
        next_ = line->front();
    }
    for (std::size_t i = 0; line && i < line->size(); ++i) {
        auto* row = new QTreeWidgetItem(list, {QString::number(i + 1), jumpName((*line)[i]),
                                               QString::number(marbles - int(i) - 1)});
        setJump(row, (*line)[i]);
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->setCurrentItem(list->topLevelItem(0));
    action->setEnabled(next_.has_value());

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

// A game played with its winning line in view is played with help.
void WinningLineDialog::showFrom(GameSession& session, const HintEngine& engine) {
    const Game& game = session.game();
    showLine(session.winningLine(engine), std::popcount(toBits(game.marbles())),
             engine.canFinishInCentre(toBits(game.firstPosition())));
}

} // namespace pebblenix
