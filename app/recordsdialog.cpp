#include "app/recordsdialog.h"

#include "files/recordsfile.h"
#include "seam/uiseam.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pebblenix {

namespace {

QString bestText(const std::optional<BestFinish>& best) {
    if (!best)
        return RecordsDialog::tr("None yet");
    if (best->inCentre)
        //: %1 the date.
        return RecordsDialog::tr("The last marble in the centre, on %1")
            .arg(RecordsDialog::dateText(best->date));
    if (best->marblesLeft == 1)
        //: %1 the date.
        return RecordsDialog::tr("One marble, not in the centre, on %1")
            .arg(RecordsDialog::dateText(best->date));
    //: %n the marbles left on a board with no jump left, %1 the date.
    return RecordsDialog::tr("%n marbles left, on %1", nullptr, best->marblesLeft)
        .arg(RecordsDialog::dateText(best->date));
}

QString fastestText(const std::optional<FastestFinish>& fastest) {
    if (!fastest)
        return RecordsDialog::tr("None yet");
    if (!fastest->seconds)
        //: The clock had run out before the centre finish; %1 the date.
        return RecordsDialog::tr("Over time, on %1").arg(RecordsDialog::dateText(fastest->date));
    //: %n seconds of the game's 120-second clock, %1 the date.
    return RecordsDialog::tr("%n of 120 seconds, on %1", nullptr, *fastest->seconds)
        .arg(RecordsDialog::dateText(fastest->date));
}

QString movesText(const std::optional<MovesFinish>& fewest) {
    if (!fewest)
        return RecordsDialog::tr("None yet");
    //: In Records: %n the moves of a centre finish (a move is one marble's chain of
    //: jumps), %1 the date.
    return QCoreApplication::translate("Moves", "%n moves, on %1", nullptr, fewest->moves)
        .arg(RecordsDialog::dateText(fewest->date));
}

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

} // namespace

RecordsDialog::RecordsDialog(QWidget* parent, UiSeam& ui) : QDialog(parent) {
    setObjectName(QStringLiteral("frmrecords"));
    setWindowTitle(tr("Records"));
    setAttribute(Qt::WA_DeleteOnClose);

    form_ = new QFormLayout;
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto row = [this](const QString& caption, QLabel*& value) {
        value = valueLabel(this);
        auto* label = new QLabel(caption, this);
        label->setBuddy(value); // a screen reader hears the caption with the value
        form_->addRow(label, value);
    };
    row(tr("Games played:"), played);
    row(tr("Finished in the centre:"), centreFinishes);
    row(tr("Best finish:"), best);
    //: With help: after a hint, a rewind, Review Game or the winning line.
    row(tr("Best finish with help:"), bestWithHelp);
    row(tr("Fastest centre finish:"), fastest);
    row(tr("Fastest with help:"), fastestWithHelp);
    //: In Records: the centre finish in the fewest moves, of a game played from the start
    //: (not opened from a file).
    row(QCoreApplication::translate("Moves", "Fewest moves:"), fewestMoves);
    //: In Records: the same, with help (a hint, a rewind, Review Game, the winning line or
    //: the fewest moves shown by View > Show Moves).
    row(QCoreApplication::translate("Moves", "Fewest moves with help:"), fewestMovesWithHelp);
    //: Problems of Game > Problems finished with one marble in the centre.
    row(tr("Problems solved:"), problemsSolved);
    //: Today's Problem solved on this many days in a row, up to today or yesterday.
    row(tr("Today's Problem, days in a row:"), daysInARow);

    auto* buttons = new QDialogButtonBox(this);
    resetButton = buttons->addButton(tr("&Reset Records\u2026"), QDialogButtonBox::ResetRole);
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    closeButton->setDefault(true);
    resetButton->setAutoDefault(false); // Enter closes; only a deliberate press resets
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(resetButton, &QPushButton::clicked, this, [this, &ui] {
        if (ui.message(this, QString::fromLatin1(kProgramTitle),
                       tr("Reset all your records? They cannot be brought back."),
                       MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes)
            emit resetConfirmed();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // always exactly as large as its texts
}

void RecordsDialog::present(QPointer<RecordsDialog>& open, QWidget* parent, UiSeam& ui,
                            RecordsFile& records) {
    if (!open) {
        RecordsDialog* dialog = open = ui.dialogZoom.made(new RecordsDialog(parent, ui));
        connect(dialog, &RecordsDialog::resetConfirmed, &records, [&records] { records.reset(); });
        connect(&records, &RecordsFile::changed, dialog,
                [dialog](const Records& written) { dialog->showRecords(written); });
    }
    open->showRecords(records.read());
    DialogZoom::present(open);
}

void RecordsDialog::showRecords(const Records& r, const QDate& today) {
    played->setText(QLocale().toString(r.played));
    centreFinishes->setText(QLocale().toString(r.centreFinishes));
    best->setText(bestText(r.best[Unaided]));
    fastest->setText(fastestText(r.fastest[Unaided]));
    const auto bestHelped = r.bestWithHelpShown();
    const auto fastestHelped = r.fastestWithHelpShown();
    bestWithHelp->setText(bestText(bestHelped));
    fastestWithHelp->setText(fastestText(fastestHelped));
    form_->setRowVisible(bestWithHelp, bestHelped.has_value());
    form_->setRowVisible(fastestWithHelp, fastestHelped.has_value());
    const auto movesHelped = r.fewestMovesWithHelpShown();
    fewestMoves->setText(movesText(r.fewestMoves[Unaided]));
    fewestMovesWithHelp->setText(movesText(movesHelped));
    form_->setRowVisible(fewestMovesWithHelp, movesHelped.has_value());
    const auto unaided = std::count_if(r.problems.begin(), r.problems.end(),
                                       [](const auto& p) { return p.second[Unaided].has_value(); });
    //: %1 how many problems the player has solved, %2 how many of them without help.
    problemsSolved->setText(tr("%1, of which %2 without help")
                                .arg(QLocale().toString(qlonglong(r.problems.size())),
                                     QLocale().toString(qlonglong(unaided))));
    //: %n the days in a row up to today, %1 the most days in a row so far.
    daysInARow->setText(tr("%n (your longest run: %1)", nullptr, r.streakOn(today))
                            .arg(QLocale().toString(r.daily.best)));
    form_->setRowVisible(problemsSolved, !r.problems.empty());
    form_->setRowVisible(daysInARow, r.daily.best > 0);
}

QString RecordsDialog::dateText(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace pebblenix
