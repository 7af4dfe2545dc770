#pragma once
// The main window: the board of 49 cells, the clock and the marble count, and the Game
// and Help menus. The window's cells and fields are the game's state; the rules, the
// file format and the clock arithmetic live in game/ and files/ and are called from here.

#include "app/boardcell.h"
#include "files/filedialog.h"
#include "game/board.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <map>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace pebblenix {

class HintEngine;

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

    // The board.
    void ResetGame();
    void pic_Click(int Index);
    void MakeMove(std::int16_t tempfrom, std::int16_t tempto);
    void CheckEndGame();
    void Timer1_Timer();
    void moveBoardFocus(int index, int dx, int dy);

    // Game files and undo.
    std::optional<QString> SavePebblenixFile(const QString& fname);
    bool OpenPebblenixFile(const QString& fname);
    void mnuopen_Click();
    void mnusave_Click();
    void mnusaveas_Click();
    void mnuundo_Click();
    void mnuhint_Click();
    void DelTempFile();
    QString TempFilePath() const;

    // Which cells hold a marble, read from the cells' state texts.
    Marbles board() const;

    // The game state, as the routines above keep it.
    quint8 Marbles_On_Board = 0;
    quint8 colid = 0;
    std::int16_t gi_from = 0;
    quint8 gb_ctr = 0;
    std::int16_t chmyapp = 0;
    bool gb_showboredbox = true;
    bool gb_showsave = true;
    QString PebblenixFile;
    QString tempdir;

    // The controls.
    GameFileDialog CDiabox;
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
    QAction* mnuexit = nullptr;
    QAction* mnuabout = nullptr;
    std::map<int, QAction*> mnuColour; // mnu101 .. mnu112, by picture id

    static constexpr int kClientWidth = 389;  // 5835 twips
    static constexpr int kClientHeight = 289; // 4335 twips

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    frmgame();
    void buildControls();
    void buildMenus();
    void loadFailurePath();
    void replaceWindow();
    // Reads a game file onto the board; the Open command and start-up also make it the
    // current file, Undo does not.
    bool loadPosition(const QString& fname, bool makeCurrent);
    void showMarble(int index);
    void showEmpty(int index);
    void showHint(const HintEngine* engine, const QString& error);
};

} // namespace pebblenix
