#pragma once
// What Review Game and Winning Line share: a modeless dialog of the main window with a
// summary above a list of jumps, and a button for the selected or next jump, the default
// that Enter presses, beside Close.

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

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

    // Shows what the engine makes of the session's game now, and again whenever its board
    // changes, until the dialog closes.
    void follow(GameSession& session, const HintEngine& engine);
    // Shows it in front, with the keyboard in it.
    void present();

protected:
    // `headers` are the list's columns after the three every list has (the jump's number,
    // the jump, the marbles left); `actionText` the action button's caption.
    JumpListDialog(QWidget* parent, const QString& title, const QStringList& headers,
                   const QString& actionText);
    virtual void showFrom(GameSession& session, const HintEngine& engine) = 0;
    // Shows the session's game again, as when its board changes; nothing before follow().
    void showAgain();

private:
    GameSession* session_ = nullptr;
    const HintEngine* engine_ = nullptr;
};

} // namespace pebblenix
