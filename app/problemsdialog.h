#pragma once
// Game > Problems…: the problems in the index's order with their grade, marbles, fewest
// moves and whether the player has solved them; then the full board with each other hole
// empty, from which the last marble can never finish in the centre, with the reason.
// Play starts the chosen problem; Next Unsolved goes to the next one not yet solved
// without help.

#include "game/records.h"
#include "view/problemlist.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pebblenix {

class ProblemsDialog : public QDialog {
    Q_OBJECT
public:
    // The problems in `folder`; the row of problem `current` (an id) is chosen first, or
    // else the first not yet solved without help.
    ProblemsDialog(QWidget* parent, const QString& folder, const Records& records,
                   const QString& current = QString());

    // Shows the player's state of each problem.
    void showRecords(const Records& records);
    // The problem of the chosen row; nothing for a row that cannot be played.
    const ProblemRow* chosen() const;

    QTreeWidget* list = nullptr;
    QLabel* details = nullptr; // of the chosen row, in sentences
    QPushButton* playButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    void playRequested(const ProblemRow& problem);

protected:
    void showEvent(QShowEvent* event) override;
    // A new zoom step: the list measured again in the new font.
    void changeEvent(QEvent* event) override;

private:
    void nextUnsolved();
    void chosenChanged();
    // What is said of a row: a problem's place in the list, or -1 - the hole of a start
    // that cannot finish.
    QString detailsOf(int row) const;
    void fitList();

    QString indexProblem_; // why the index cannot be read; before rows_, which sets it
    std::vector<ProblemRow> rows_;
    Records records_;
};

} // namespace pebblenix
