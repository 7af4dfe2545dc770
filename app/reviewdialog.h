#pragma once
// Review Game: the game's jumps one a row, with the marbles left after each and whether
// a centre finish was still possible. The jump that lost the finish stands out, with one
// that would have kept it. A button takes the board back to before the selected jump.

#include "app/jumplistdialog.h"
#include "game/movereview.h"
#include "game/review.h"

#include <optional>

class QTreeWidgetItem;

namespace pebblenix {

class ReviewDialog : public JumpListDialog {
    Q_OBJECT
public:
    explicit ReviewDialog(QWidget* parent);

    // Shows a new judgement of the game, with the losing jump selected, or the last one;
    // with its moves judged, the first move that made the finish take more moves than
    // needed stands out too.
    void showReview(const Review& review, const std::optional<MovesReview>& moves = std::nullopt);

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
    // Marks the rows of the costly move; the sentence that tells of it.
    QString markCostly(const Review& review, const MovesReview& moves);

    bool waiting_ = false; // for the table of fewest moves
};

} // namespace pebblenix
