#pragma once
// The main window: the board of 49 cells, the clock and the marble count, and the Game,
// View and Help menus. The game itself is the model `game`; the window shows it through
// refresh() and turns clicks and menu commands into calls on it.

#include "app/boardcell.h"
#include "game/game.h"
#include "seam/filedialog.h"
#include "seam/uiseam.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace pebblenix {

class HintEngine;
class RecordsDialog;
class RecordsFile;
class ReviewDialog;
class WinningLineDialog;
struct Position;

class frmgame : public QMainWindow {
    Q_OBJECT
public:
    // Creates a window and runs its loading. Returns nothing when loading failed; the
    // failure path has then told the player and ended the program.
    static frmgame* create();

    // Start-up and life cycle.
    bool Form_Load();
    void Form_Unload(int& Cancel);
    void Form_Resize();
    void mnunew_Click();
    void mnuexit_Click();
    void mnuabout_Click();
    void SaveMarbleColor(quint8 col);

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
    void mnuopen_Click();
    void mnusave_Click();
    void mnusaveas_Click();
    void mnuundo_Click();
    void DelTempFile();
    // Save asks for a name while the game has no file of its own.
    bool gb_showsave() const { return PebblenixFile.isEmpty(); }

    // The commands of the hint engine.
    void mnuhint_Click();
    void mnurewind_Click();
    void mnureview_Click();
    void mnuwinningline_Click();
    void mnurecords_Click();

    // The View menu: the zoom steps and Show Jumps.
    void mnuzoomin_Click();
    void mnuzoomout_Click();
    void mnuactualsize_Click();
    void mnushowjumps_Click();

    quint8 colid = 0;
    bool gb_showboredbox = true;
    QString PebblenixFile;
    QString tempdir;

    // The controls.
    FileDialog CDiabox;
    QLineEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<BoardCell*, kCells> pic{};
    std::array<QLabel*, 2> Label1{};
    QLabel* lblmarbles_On_hand = nullptr;
    QLabel* lbltime = nullptr;

    QAction* mnunew = nullptr;
    QAction* mnuopen = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnusaveas = nullptr;
    QAction* mnuundo = nullptr;
    QAction* mnuhint = nullptr;
    QAction* mnurewind = nullptr;
    QAction* mnureview = nullptr;
    QAction* mnuwinningline = nullptr;
    QAction* mnurecords = nullptr;
    QAction* mnuexit = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuzoomin = nullptr;
    QAction* mnuzoomout = nullptr;
    QAction* mnuactualsize = nullptr;
    QAction* mnushowjumps = nullptr;
    std::map<int, QAction*> mnuColour; // mnu101 .. mnu112, by picture id

    static constexpr int kClientWidth = 389;  // 5835 twips at 100 %
    static constexpr int kClientHeight = 289; // 4335 twips at 100 %

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    frmgame();
    void buildControls();
    void buildMenus();
    // Places and sizes every control, its font and the marble picture for the zoom.
    void layOut();
    // The client area, without the menu bar, at a zoom in percent.
    static QSize clientSize(int zoom);
    void setZoom(int percent);
    // The largest zoom step at which the window fits the screen's available area.
    int largestZoom() const;
    // Device pixels to a pixel of the marble pictures: the screen's ratio, rounded up.
    int pictureScale() const;
    void updateZoomActions();
    // The window went to another screen: its density draws the marbles, its room bounds
    // the zoom steps.
    void screenChanged();
    // Stores what the View menu changed; says so if it cannot.
    void storeView(const std::optional<QString>& failure);
    // Starts loading the table of solutions for Show Jumps' verdicts, if they are wanted.
    void wantVerdicts();
    // What Show Jumps marks for the picked-up marble, if any.
    std::array<JumpMark, kCells> jumpMarks(std::optional<int> picked) const;
    // The hole whose square of the board holds `inFrame`, a point in Frame1.
    std::optional<int> holeAt(QPoint inFrame) const;
    void moveBoardFocus(int index, int dx, int dy);
    // A marble dragged from cell `index`: it follows the pointer, and dropped on a hole it
    // can jump to it jumps as the second click would make it; anywhere else it goes back.
    void marbleDragged(int index, QPoint from, QPoint to);
    void marbleDropped(int index, QPoint at);
    void endDrag();
    // Makes a jump for the player (a drop, Play Next Jump) exactly as their clicks would.
    void playJump(const Jump& jump);
    bool confirmNewGame();
    void loadFailurePath();
    void replaceWindow();
    QString TempFilePath() const;
    // Saves to `name` and makes it the game's file; says why if it cannot. Nothing for
    // an empty name, a cancelled dialog.
    void saveTo(const QString& name);
    // Takes the board back to before jump `jump` (from 0) of the game's list, writing the
    // position it leaves to the undo file first.
    void rewindTo(std::size_t jump);
    // Ends the blinking of a hint shown earlier.
    void clearHint();
    // Writes the position before a jump or a rewind to the undo file; if it cannot, why, in
    // `message`, which says what was not done with the file as %1 and the reason as %2.
    BeforeJump undoWriter(const QString& message);
    // Runs `use` with the hint engine once the table is loaded; says so if it cannot be.
    void withHintEngine(std::function<void(const HintEngine&)> use);
    // The player's records, one store for every window of the program.
    static RecordsFile& records();
    // Shows a dialog of the window's and brings it to the front, with the keyboard in it.
    static void present(QWidget* dialog);
    // Judges the game again for an open Review Game when the jumps have changed.
    void followReview();
    // Finds the winning line again for an open Winning Line when the board has changed.
    void followWinningLine();
    // Shows the model: every cell's picture, look and state, the count and the clock.
    void refresh();
    // Shows what a click or a jump did: its message, if it has one, over the new board.
    void report(const Result& result, std::optional<int> source);
    void showHint(const HintEngine& engine);

    Game game;
    QPointer<ReviewDialog> frmreview; // while Review Game is open
    QPointer<WinningLineDialog> frmwinningline;
    QPointer<RecordsDialog> frmrecords;
    QLabel* picDragged = nullptr; // the dragged marble, over the board; made on the first drag
    std::optional<std::pair<Marbles, std::vector<Jump>>> reviewed_; // what frmreview shows
    std::optional<std::pair<Marbles, Marbles>> lined_; // the board and first position shown

    QImage marble_; // the picture of the marble in colour colid, at the zoom
    int zoom_ = 100;
    std::optional<int> dragFrom_; // the cell whose marble is being dragged
};

} // namespace pebblenix
