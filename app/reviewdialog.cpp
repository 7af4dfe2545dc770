#include "app/reviewdialog.h"

#include "game/verdicts.h"
#include "seam/dialogzoom.h"
#include "session/gamesession.h"
#include "session/hintservice.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace pebblenix {

namespace {

// A jump or a move as the summary and the tooltip show it: never broken across lines
// ("d1 ->" above "d3"), with no-break spaces and a word joiner after the hyphen.
QString unbroken(QString name) {
    return name.replace(QLatin1Char(' '), QChar(0x00A0))
        .replace(QStringLiteral("->"), QStringLiteral("-\u2060>"));
}
QString unbroken(const Jump& jump) {
    return unbroken(jumpName(jump));
}

} // namespace

ReviewDialog::ReviewDialog(QWidget* parent)
    : JumpListDialog(parent,
                     //: The title of the window that lists the game's jumps (Game > Review Game).
                     tr("Review Game"),
                     //: Review Game's last column: whether the last marble could still finish in
                     //: the centre after the jump.
                     {tr("Centre finish")},
                     //: Review Game's button: takes the board back to before the selected jump.
                     tr("&Go Back to Before This Jump")) {
    setObjectName(QStringLiteral("frmreview"));
    // Enter on a row takes the board back to it.
    connect(action, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem* row = list->currentItem())
            emit goBackRequested(static_cast<std::size_t>(list->indexOfTopLevelItem(row)));
    });
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* row) { action->setEnabled(row != nullptr); });
    sizeToContents();
}

QString ReviewDialog::finishText(Finish finish) {
    switch (finish) {
    case Finish::Possible:
        //: In Review Game's "Centre finish" column.
        return tr("possible");
    case Finish::NotPossible:
        //: In Review Game's "Centre finish" column.
        return tr("not possible");
    case Finish::Lost:
        //: In Review Game's "Centre finish" column, in bold, beside the jump after which
        //: the last marble could no longer finish in the centre.
        return tr("lost by this jump");
    }
    return QString();
}

// Wide enough for the widest row a game can have, so that no column is cut short in any
// language and the dialog does not change size during a game; never narrower than the
// English layout at the zoom step. The rows are measured as the list draws them, beside
// the rows it shows, which stay.
void ReviewDialog::sizeToContents() {
    const int current = list->indexOfTopLevelItem(list->currentItem());
    const QList<QTreeWidgetItem*> shown = list->invisibleRootItem()->takeChildren();
    for (Finish finish : {Finish::Possible, Finish::NotPossible, Finish::Lost}) {
        auto* row = new QTreeWidgetItem(list, {QStringLiteral("31"), jumpName({10, 24}),
                                               QStringLiteral("32"), finishText(finish)});
        if (finish == Finish::Lost)
            markLost(row, QString());
    }
    int columns = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
        int widest = list->header()->sectionSizeHint(c);
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            widest = std::max(widest, list->sizeHintForIndex(list->model()->index(r, c)).width());
        columns += widest;
    }
    list->clear();
    list->addTopLevelItems(shown);
    list->setCurrentItem(list->topLevelItem(current));
    const int zoom = zoomOf(this);
    const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    const int width =
        std::max({380 * zoom / 100, columns + frame + margins.left() + margins.right(),
                  layout()->minimumSize().width()});
    setMinimumWidth(width);
    resize(withinScreen(this, QSize(width, 420 * zoom / 100)));
}

void ReviewDialog::markLost(QTreeWidgetItem* row, const QString& keeper) {
    QFont bold = row->font(0);
    bold.setBold(true);
    for (int c = 0; c < list->columnCount(); ++c) {
        row->setFont(c, bold);
        row->setBackground(c, QColor(255, 214, 214));
        row->setForeground(c, QColor(128, 0, 0));
        row->setToolTip(c, keeper);
    }
}

QString ReviewDialog::markCostly(const Review& review, const MovesReview& moves) {
    const std::size_t costly = *moves.costlyMove;
    const bool one = moves.enough == 1;
    const QString tip =
        //: The tip of the jumps of the first move after which a centre finish took more
        //: moves than before it, when one move was enough from the position before that
        //: move: %1 the moves needed once it was made.
        (one ? QCoreApplication::translate("Moves",
                                           "From here one move was enough; after this move %1.")
             //: The tip of the jumps of the first move after which a centre finish took
             //: more moves than before it: %n the moves that were enough from the position
             //: before that move (always more than one), %1 the moves needed once it was
             //: made.
             : QCoreApplication::translate("Moves",
                                           "From here %n moves were enough; after this move %1.",
                                           nullptr, moves.enough))
            .arg(moves.needed);
    std::vector<Jump> move;
    for (std::size_t i = 0; i < moves.moveOf.size() && i < review.jumps.size(); ++i) {
        if (moves.moveOf[i] != costly)
            continue;
        move.push_back(review.jumps[i].jump);
        if (review.losing == i)
            continue; // it keeps the mark of the lost finish
        QTreeWidgetItem* row = list->topLevelItem(static_cast<int>(i));
        for (int c = 0; c < list->columnCount(); ++c) {
            row->setBackground(c, QColor(255, 236, 179));
            row->setForeground(c, QColor(102, 60, 0));
            row->setToolTip(c, tip);
        }
        const QString said =
            //: What a screen reader says of a jump of the first move that made the finish
            //: take more moves than needed, when one move was enough before it: %1 the jump
            //: ("d4 -> b4"), %2 the moves needed after it.
            one ? QCoreApplication::translate("Moves",
                                              "%1, in the move that made the finish take more "
                                              "moves than needed: from here one move was "
                                              "enough; after this move %2.")
                //: What a screen reader says of a jump of the first move that made the
                //: finish take more moves than needed: %1 the jump ("d4 -> b4"), %n the
                //: moves that were enough before the move (always more than one), %2 those
                //: needed after it.
                : QCoreApplication::translate("Moves",
                                              "%1, in the move that made the finish take more "
                                              "moves than needed: from here %n moves were "
                                              "enough; after this move %2.",
                                              nullptr, moves.enough);
        row->setData(1, Qt::AccessibleTextRole,
                     said.arg(jumpName(review.jumps[i].jump)).arg(moves.needed));
    }
    const QString summary =
        //: Review Game's summary, after what it says of the centre finish, when one move
        //: was enough before the move it names: %1 the move's number in the game, %2 the
        //: move ("d2 -> d4 -> d6"), %3 the moves needed once it was made.
        one ? QCoreApplication::translate("Moves",
                                          "Move %1, %2, made the finish take more moves than "
                                          "needed: from here one move was enough; after this "
                                          "move %3.")
            //: Review Game's summary, after what it says of the centre finish: %1 the
            //: move's number in the game, %2 the move ("d2 -> d4 -> d6"), %n the moves that
            //: were enough from the position before it (always more than one), %3 the
            //: moves needed once it was made.
            : QCoreApplication::translate("Moves",
                                          "Move %1, %2, made the finish take more moves than "
                                          "needed: from here %n moves were enough; after this "
                                          "move %3.",
                                          nullptr, moves.enough);
    return summary.arg(QString::number(costly + 1), unbroken(moveName(move)),
                       QString::number(moves.needed));
}

void ReviewDialog::showReview(const Review& review, const std::optional<MovesReview>& moves) {
    //: A tooltip on the jump that lost the centre finish; %1 is a jump that would have
    //: kept it ("d2 -> d4").
    const QString keeper =
        review.keeper ? tr("%1 would have kept it.").arg(unbroken(*review.keeper)) : QString();
    list->clear();
    for (std::size_t i = 0; i < review.jumps.size(); ++i) {
        const JudgedJump& j = review.jumps[i];
        const bool lost = review.losing == i;
        const Finish finish = lost               ? Finish::Lost
                              : j.finishPossible ? Finish::Possible
                                                 : Finish::NotPossible;
        auto* row = new QTreeWidgetItem(list, {QString::number(i + 1), jumpName(j.jump),
                                               QString::number(j.marblesLeft), finishText(finish)});
        setJump(row, j.jump);
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (lost) {
            markLost(row, keeper);
            // A screen reader hears the verdict with the jump, not only a colour.
            QString heard;
            if (review.keeper)
                //: What a screen reader says of the jump that lost the centre finish (%1,
                //: "d4 -> b4"), with one that would have kept it (%2).
                heard = tr("%1, the jump that lost the centre finish. %2 would have kept it.")
                            .arg(jumpName(j.jump), jumpName(*review.keeper));
            else
                //: What a screen reader says of the jump that lost the centre finish (%1,
                //: "d4 -> b4").
                heard = tr("%1, the jump that lost the centre finish.").arg(jumpName(j.jump));
            row->setData(1, Qt::AccessibleTextRole, heard);
        }
    }

    if (review.jumps.empty())
        //: Review Game's summary above the list.
        summary->setText(tr("No jumps have been made since this position was set."));
    else if (!review.startFinishable)
        summary->setText(QCoreApplication::translate("Game", kNeverFinishText));
    else if (review.losing && review.keeper)
        //: Review Game's summary above the list: %1 is the jump's number in the game, %2
        //: the jump ("d4 -> b4"), %3 a jump that would have kept the finish.
        summary->setText(tr("Jump %1, %2, lost the centre finish. %3 would have kept it.")
                             .arg(QString::number(*review.losing + 1),
                                  unbroken(review.jumps[*review.losing].jump),
                                  unbroken(*review.keeper)));
    else if (review.losing)
        //: Review Game's summary above the list: %1 is the jump's number in the game, %2
        //: the jump ("d4 -> b4").
        summary->setText(tr("Jump %1, %2, lost the centre finish.")
                             .arg(QString::number(*review.losing + 1),
                                  unbroken(review.jumps[*review.losing].jump)));
    else
        summary->setText(QCoreApplication::translate("Game", kStillFinishText));
    if (moves && moves->costlyMove)
        summary->setText(summary->text() + QLatin1Char(' ') + markCostly(review, *moves));

    const int select =
        review.losing ? static_cast<int>(*review.losing) : list->topLevelItemCount() - 1;
    list->setCurrentItem(list->topLevelItem(select));
    action->setEnabled(list->currentItem() != nullptr);
}

// A game judged jump by jump, or move by move, is played with help. Its moves are judged
// once their table is read, which the first review starts.
void ReviewDialog::showFrom(GameSession& session, const HintEngine& engine) {
    const Review review = session.review(engine);
    HintService& service = session.engine();
    if (const FewestMoves* fewest = service.fewestMoves()) {
        showReview(review, session.reviewMoves(*fewest));
        return;
    }
    showReview(review);
    if (!service.movesReady() && !std::exchange(waiting_, true))
        service.whenMovesReady(this, [this](const FewestMoves* fewest, const QString&) {
            waiting_ = false;
            if (fewest)
                showAgain();
        });
}

} // namespace pebblenix
