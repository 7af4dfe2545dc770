#pragma once
// The Game menu's Problems…, Today's Problem and Set Up Position… for a main window: each
// starts a game from another board as New does (asking first when jumps were made), in a
// new window whose session plays it as a problem, a day or a board set up, with every
// help. The window's title names the problem while it is played.

#include "session/gamesession.h"

#include <QObject>
#include <QPointer>

class QThread;

namespace pebblenix {

class frmgame;
class ProblemsDialog;
class SetUpDialog;
struct Services;

class ChallengeCommands : public QObject {
    Q_OBJECT
public:
    ChallengeCommands(frmgame* window, Services& services);
    // A day's problem still being made is waited for.
    ~ChallengeCommands() override;

public slots: // the menu items' commands, each named after its item
    void mnuproblems_Click();
    void mnutoday_Click();
    void mnusetup_Click();

private:
    // Starts `position` as `challenge`, unless the player would rather go on.
    void play(const Position& position, const Challenge& challenge);
    void saveBoard(const Marbles& board);
    void showTitle();

    frmgame* window_;
    Services& services_;
    QPointer<QThread> today_;           // making the day's problem
    QPointer<ProblemsDialog> problems_; // while open
    QPointer<SetUpDialog> setUp_;
};

} // namespace pebblenix
