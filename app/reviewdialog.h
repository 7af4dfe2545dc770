#pragma once
// Review Game: the game's jumps one a row, with the marbles left after each and whether
// a centre finish was still possible. The jump that lost the finish stands out, with one
// that would have kept it. A button takes the board back to before the selected jump.

#include "app/jumplistdialog.h"
#include "game/review.h"

class QTreeWidgetItem;

namespace pebblenix {

class ReviewDialog : public JumpListDialog {
    Q_OBJECT
public:
    explicit ReviewDialog(QWidget* parent);

    // Shows a new judgement of the game, with the losing jump selected, or the last one.
    void showReview(const Review& review);

signals:
    // The player asked for the position before jump `jump` (counted from 0).
    void goBackRequested(std::size_t jump);

protected:
    void showFrom(GameSession& session, const HintEngine& engine) override;
    void sizeToContents() override;

private:
    enum class Finish { Possible, NotPossible, Lost };
    static QString finishText(Finish finish);
    void markLost(QTreeWidgetItem* row, const QString& keeper);
};

} // namespace pebblenix
