#pragma once
// Records: the games this player has finished on this machine, the best finish, the
// fastest centre finish and the one in the fewest moves with their dates, and a button that
// starts the records afresh.

#include "game/records.h"

#include <QDialog>
#include <QPointer>

class QFormLayout;
class QLabel;
class QPushButton;

namespace pebblenix {

class RecordsFile;
class UiSeam;

class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    // Reset asks through `ui` first.
    RecordsDialog(QWidget* parent, UiSeam& ui);

    // Shows the dialog held in `open`, making one of `parent`'s first when there is none;
    // it shows `records` and follows them as games are added.
    static void present(QPointer<RecordsDialog>& open, QWidget* parent, UiSeam& ui,
                        RecordsFile& records);

    // The days of Today's Problem in a row count up to `today`.
    void showRecords(const Records& records, const QDate& today = QDate::currentDate());
    // A record's date as the player's language writes it short; the Problems list too.
    static QString dateText(const QDate& date);

    QLabel* played = nullptr;
    QLabel* centreFinishes = nullptr;
    QLabel* best = nullptr;
    QLabel* bestWithHelp = nullptr; // shown only where it beats the best without help
    QLabel* fastest = nullptr;
    QLabel* fastestWithHelp = nullptr;
    QLabel* fewestMoves = nullptr; // of a centre finish of a game from the start
    QLabel* fewestMovesWithHelp = nullptr;
    QLabel* problemsSolved = nullptr; // shown once a problem is solved
    QLabel* daysInARow = nullptr;     // shown once Today's Problem is solved
    QPushButton* resetButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    // The player asked to reset the records and said Yes.
    void resetConfirmed();

private:
    QFormLayout* form_ = nullptr;
};

} // namespace pebblenix
