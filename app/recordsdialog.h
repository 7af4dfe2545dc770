#pragma once
// Records: the games this player has finished on this machine, the best finish and the
// fastest centre finish with their dates, and a button that starts the records afresh.

#include "game/records.h"

#include <QDialog>

class QFormLayout;
class QLabel;
class QPushButton;

namespace pebblenix {

class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecordsDialog(QWidget* parent);

    void showRecords(const Records& records);

    QLabel* played = nullptr;
    QLabel* centreFinishes = nullptr;
    QLabel* best = nullptr;
    QLabel* bestWithHelp = nullptr; // shown only where it beats the best without help
    QLabel* fastest = nullptr;
    QLabel* fastestWithHelp = nullptr;
    QPushButton* resetButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    // The player asked to reset the records and said Yes.
    void resetConfirmed();

private:
    QFormLayout* form_ = nullptr;
};

} // namespace pebblenix
