#pragma once
// The main window: the board, the clock and the marble count, and the Game, View and Help
// menus. The game is the session's; the window shows it through refresh() and turns clicks
// and menu commands into calls on it. Its routines keep the names the game has always had.

#include "app/boardwidget.h"
#include "files/settings.h"
#include "seam/filedialog.h"
#include "session/gamesession.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QTimer;

namespace pebblenix {

class MainMenu;
class MovesLine;
class RecordsDialog;
class ReviewDialog;
class WindowExtras;
class WindowZoom;
class WinningLineDialog;
struct Services;

class frmgame : public QMainWindow {
    Q_OBJECT
public:
    // Creates a window and runs its loading. Returns nothing when loading failed; the
    // failure path has then told the player and ended the program.
    static frmgame* create(Services& services);

    // Start-up and life cycle.
    bool Form_Load();
    void Form_Unload(int& Cancel);
    void Form_Resize();
    void SaveMarbleColor(quint8 col);
    bool confirmNewGame();
    // A new game in a new window, which it returns; nothing when loading that failed.
    frmgame* replaceWindow();

    // The board: a click on a hole, the jump it may make, and the end of the game.
    void ResetGame();
    void pic_Click(int Index);
    bool ValidMove(std::int16_t tempfrom, std::int16_t tempto) const;
    void MakeMove(std::int16_t tempfrom, std::int16_t tempto);
    void CheckEndGame(Outcome outcome);
    void Timer1_Timer();

    // Game files and undo.
    std::optional<QString> SavePebblenixFile(const QString& fname);
    bool OpenPebblenixFile(const QString& fname);
    void DelTempFile();
    const QString& PebblenixFile() const { return session_.fileName(); }
    const QString& tempdir() const { return session_.undoFolder(); }
    // Save asks for a name while the game has no file of its own.
    bool gb_showsave() const { return PebblenixFile().isEmpty(); }

    // The menu item of that name ("mnunew", "mnu101"), made now if its menu was never open.
    QAction* menuItem(const QString& name);
    GameSession& session() { return session_; }

public slots: // the menu items' commands, each named after its item
    void mnunew_Click();
    void mnuexit_Click();
    void mnuabout_Click();
    void mnuopen_Click();
    void mnusave_Click();
    void mnusaveas_Click();
    void mnuundo_Click();
    void mnuhint_Click();
    void mnurewind_Click();
    void mnureview_Click();
    void mnuwinningline_Click();
    void mnurecords_Click();
    void mnuzoomin_Click();
    void mnuzoomout_Click();
    void mnuactualsize_Click();
    void mnushowjumps_Click();
    void mnushowmoves_Click();

public:
    quint8 colid = 0;
    bool gb_showboredbox = true;

    FileDialog CDiabox; // the controls

    QLineEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    BoardWidget* Frame1 = nullptr;
    std::array<BoardCell*, kCells> pic{};
    std::array<QLabel*, 2> Label1{};
    QLabel* lblmarbles_On_hand = nullptr;
    QLabel* lbltime = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    explicit frmgame(Services& services);
    // Stores what the View menu changed; says so if it cannot.
    void storeView(const std::optional<QString>& failure);
    bool showJumps() const;
    // Starts loading the table of solutions for Show Jumps' verdicts, if they are wanted.
    void wantVerdicts();
    // Makes a jump for the player (a drop, Play Next Jump) exactly as their clicks would.
    void playJump(const Jump& jump);
    void loadFailurePath();
    // Saves to `name` and makes it the game's file; says why if it cannot. Nothing for
    // an empty name, a cancelled dialog.
    void saveTo(const QString& name);
    // Takes the board back to before jump `jump` (from 0) of the game's list.
    void rewindTo(std::size_t jump);
    // Shows the session: every cell's picture, look and marks, the count and the clock.
    void refresh();
    // Tells why a click, a jump or a rewind was refused.
    void report(const Result& result);

    Services& services_;
    const ViewSetting stored_ = ViewSetting::read(); // read once for every part of the window
    GameSession session_;
    MainMenu* menu_ = nullptr;
    QPointer<ReviewDialog> frmreview; // while Review Game is open
    QPointer<WinningLineDialog> frmwinningline;
    QPointer<RecordsDialog> frmrecords;
    WindowZoom* zoom_ = nullptr;
    MovesLine* moves_ = nullptr;
    WindowExtras* extras_ = nullptr;
};

} // namespace pebblenix
