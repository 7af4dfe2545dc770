#include "app/problemsdialog.h"

#include "app/recordsdialog.h"
#include "game/bitboard.h"
#include "game/difficulty.h"
#include "game/singlehole.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pebblenix {

namespace {

enum Column { NameColumn, GradeColumn, MarblesColumn, ParColumn, SolvedColumn, kColumns };
// The rows show this many problems at once.
constexpr int kRowsShown = 16;
// A row's data: its problem's place in the list, or, below zero, -1 - the hole of a full
// board that cannot finish in the centre.
constexpr int kRowRole = Qt::UserRole;

} // namespace

ProblemsDialog::ProblemsDialog(QWidget* parent, const QString& folder, const Records& records,
                               const QString& current)
    : QDialog(parent), rows_(loadProblems(folder, &indexProblem_)) {
    setObjectName(QStringLiteral("frmproblems"));
    //: The title of the list of problems.
    setWindowTitle(tr("Problems"));
    setAttribute(Qt::WA_DeleteOnClose);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("problemList"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(kColumns);
    //: The columns of the list of problems: the problem's name, its grade (Easy to Master),
    //: the marbles it starts with, the fewest moves that solve it (a move is one marble's
    //: jumps one after another), and whether the player has solved it.
    list->setHeaderLabels(
        {tr("Problem"), tr("Grade"), tr("Marbles"), tr("Fewest Moves"), tr("Solved")});
    //: The list's name for a screen reader.
    list->setAccessibleName(tr("Problems"));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ProblemRow& row = rows_[i];
        auto* item = new QTreeWidgetItem(list);
        item->setData(NameColumn, kRowRole, int(i));
        item->setText(NameColumn, problemName(row.entry.name));
        item->setText(GradeColumn, gradeName(gradeOf(row.entry.chance)));
        if (row.position)
            item->setText(MarblesColumn, QLocale().toString(int(row.position->count)));
        item->setText(ParColumn, QLocale().toString(row.entry.par));
    }
    for (int hole = 0; hole < kCells; ++hole) {
        if (!isHole(hole) || !singleHoleReason(hole))
            continue;
        auto* item = new QTreeWidgetItem(list);
        item->setData(NameColumn, kRowRole, -1 - hole);
        //: A row of the list of problems: the full board with one hole empty, from which
        //: the last marble can never finish in the centre. %1 is the hole, such as "c1"
        //: (never translated).
        item->setText(NameColumn,
                      tr("Full Board, %1 Empty").arg(QLatin1String(cellName(hole).data())));
        //: Shown in the Grade column of a start that cannot be solved.
        item->setText(GradeColumn, tr("No centre finish"));
        item->setText(MarblesColumn, QLocale().toString(kHoles - 1));
    }
    for (int c : {MarblesColumn, ParColumn})
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            list->topLevelItem(r)->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);

    details = new QLabel(this);
    details->setObjectName(QStringLiteral("problemDetails"));
    details->setWordWrap(true);
    details->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    //: Starts the chosen problem, as Game > New starts a game.
    playButton = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    //: Goes to the next problem in the list not yet solved without help.
    nextButton = buttons->addButton(tr("Next &Unsolved"), QDialogButtonBox::ActionRole);
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    playButton->setDefault(true);
    nextButton->setAutoDefault(false);
    connect(playButton, &QPushButton::clicked, this, [this] {
        if (const ProblemRow* row = chosen())
            emit playRequested(*row);
    });
    connect(nextButton, &QPushButton::clicked, this, &ProblemsDialog::nextUnsolved);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(list, &QTreeWidget::itemDoubleClicked, playButton, &QPushButton::click);
    connect(list, &QTreeWidget::currentItemChanged, this, &ProblemsDialog::chosenChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(details);
    layout->addWidget(buttons);

    showRecords(records);
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == current)
            first = i;
    if (!first && !rows_.empty())
        first = pebblenix::nextUnsolved(rows_, records_, rows_.size() - 1);
    list->setCurrentItem(list->topLevelItem(int(first.value_or(0))));
    chosenChanged();
    fitList();
    list->setFocus();
}

void ProblemsDialog::showRecords(const Records& records) {
    records_ = records;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto finishes = finishesOf(records, rows_[i].id);
        QString solved = tr("Not yet");
        if (finishes[Unaided])
            //: In the Solved column: the player solved the problem without help, in %n moves
            //: at the fewest (never fewer than 5, so English needs no singular).
            solved = tr("In %n moves", nullptr, finishes[Unaided]->moves);
        else if (finishes[Assisted])
            //: In the Solved column: solved only with help (a hint, the winning line...).
            solved = tr("With help, in %n moves", nullptr, finishes[Assisted]->moves);
        list->topLevelItem(int(i))->setText(SolvedColumn, solved);
    }
    chosenChanged();
}

const ProblemRow* ProblemsDialog::chosen() const {
    const QTreeWidgetItem* item = list->currentItem();
    const int row = item ? item->data(NameColumn, kRowRole).toInt() : -1;
    return row >= 0 && rows_[std::size_t(row)].position ? &rows_[std::size_t(row)] : nullptr;
}

void ProblemsDialog::chosenChanged() {
    QTreeWidgetItem* item = list->currentItem();
    playButton->setEnabled(chosen() != nullptr);
    QStringList said;
    if (!indexProblem_.isEmpty())
        //: Above the reason, a file's path and what is wrong with it.
        said << tr("The list of problems cannot be read.") << indexProblem_;
    if (item)
        said << detailsOf(item->data(NameColumn, kRowRole).toInt());
    details->setText(said.join(QLatin1Char('\n')));
    if (item) // a screen reader tells it with the row
        item->setData(NameColumn, Qt::AccessibleDescriptionRole, details->text());
}

QString ProblemsDialog::detailsOf(int row) const {
    if (row < 0)
        return singleHoleReason(-1 - row).value_or(QString());
    const ProblemRow& problem = rows_[std::size_t(row)];
    if (!problem.position)
        return problem.problem;
    QStringList said;
    // A chance so small that its games do not fit a number is not a problem of ours.
    if (problem.entry.chance >= 1e-15)
        //: %1 is a large number, such as "64" or "74,000,000": how many games of random
        //: jumps it takes on average to see one finish in the centre.
        said << tr("Jumps made at random finish in the centre about once in %1 games.")
                    .arg(QLocale().toString(qRound64(1 / problem.entry.chance)));
    const auto finishes = finishesOf(records_, problem.id);
    if (finishes[Unaided])
        //: %1 the date.
        said << tr("You solved it without help in %n moves, on %1.", nullptr,
                   finishes[Unaided]->moves)
                    .arg(RecordsDialog::dateText(finishes[Unaided]->date));
    if (finishes[Assisted])
        //: With help: after a hint, the winning line, Review Game or a rewind. %1 the date.
        said << tr("You solved it with help in %n moves, on %1.", nullptr,
                   finishes[Assisted]->moves)
                    .arg(RecordsDialog::dateText(finishes[Assisted]->date));
    return said.join(QLatin1Char(' '));
}

void ProblemsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    list->scrollToItem(list->currentItem()); // a row chosen before the list was shown
}

void ProblemsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    fitList();
    adjustSize();
}

void ProblemsDialog::nextUnsolved() {
    const QTreeWidgetItem* item = list->currentItem();
    const int row = item ? item->data(NameColumn, kRowRole).toInt() : -1;
    // From a row below the problems, the search starts again from the top.
    const auto next =
        pebblenix::nextUnsolved(rows_, records_, row >= 0 ? std::size_t(row) : rows_.size() - 1);
    if (!next) {
        //: Next Unsolved found no problem left to solve without help.
        details->setText(tr("You have solved every problem without help."));
        return;
    }
    list->setCurrentItem(list->topLevelItem(int(*next)));
    list->scrollToItem(list->currentItem());
    list->setFocus();
}

// As wide as its columns and as tall as kRowsShown rows, in the font it has; at a large zoom
// step no taller than half the screen, so that the buttons below stay on it.
void ProblemsDialog::fitList() {
    int width = 0;
    for (int c = 0; c < kColumns; ++c) {
        list->resizeColumnToContents(c);
        width += list->columnWidth(c);
    }
    const int rowHeight =
        list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    const int rows = rowHeight * kRowsShown;
    list->setMinimumSize(
        width + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth(),
        std::min(rows, screen() ? screen()->availableGeometry().height() / 2 : rows) +
            list->header()->sizeHint().height() + 2 * list->frameWidth());
    details->setMinimumHeight(details->fontMetrics().lineSpacing() * 3);
}

} // namespace pebblenix
