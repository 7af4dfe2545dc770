#pragma once
// What Review Game and Winning Line share: a modeless dialog of the main window with a
// summary above a list of jumps, and a button for the selected or next jump, the default
// that Enter presses, beside Close. It tells which row's jump is chosen, and follows the
// zoom step's font.

#include "game/board.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pebblenix {

class GameSession;
class HintEngine;

class JumpListDialog : public QDialog {
    Q_OBJECT
public:
    QTreeWidget* list = nullptr;
    QLabel* summary = nullptr;
    QPushButton* action = nullptr; // Go Back, Play Next Jump
    QPushButton* closeButton = nullptr;

    // The list, going with the dialog, tells nothing more.
    ~JumpListDialog() override;

    // Shows what the engine makes of the session's game now, and again whenever its board
    // changes, until the dialog closes.
    void follow(GameSession& session, const HintEngine& engine);
    // Stands beside `window`, where it fits on the screen.
    void placeBeside(QWidget* window);

signals:
    // The chosen row is the jump's, or no row is chosen.
    void jumpChosen(const std::optional<Jump>& jump);

protected:
    // `headers` are the list's columns after the three every list has (the jump's number,
    // the jump, the marbles left); `actionText` the action button's caption.
    JumpListDialog(QWidget* parent, const QString& title, const QStringList& headers,
                   const QString& actionText);
    virtual void showFrom(GameSession& session, const HintEngine& engine) = 0;
    // Shows the session's game again, as when its board changes; nothing before follow().
    void showAgain();
    // Sizes the dialog to its contents at the font it has now, keeping the rows shown.
    virtual void sizeToContents() { adjustSize(); }
    // The row shows `jump`, which it tells when chosen.
    static void setJump(QTreeWidgetItem* row, const Jump& jump);
    void changeEvent(QEvent* event) override;
    // First shown, it stands beside its window.
    void showEvent(QShowEvent* event) override;

private:
    GameSession* session_ = nullptr;
    const HintEngine* engine_ = nullptr;
    bool placed_ = false;
};

} // namespace pebblenix
