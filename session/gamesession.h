#pragma once
// A game in progress with everything around it that needs no window: the undo file that
// every jump and rewind writes first and Undo reads back, the game's own file, the hint
// engine's readiness, and the records a game that ends adds to. A window shows it and
// follows its signals; nothing here asks or tells the player anything.

#include "files/gamefile.h"
#include "files/undofolder.h"
#include "game/game.h"
#include "game/movereview.h"
#include "game/review.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <optional>

namespace pebblenix {

class HintEngine;
class HintService;
class RecordsFile;

// What a game started from a board other than the start is played as. Its end goes to its
// own records: a problem's to the problem's, a day's to the run of days; a board set up by
// hand counts as an opened game does. None of them is a game from the start.
struct Challenge {
    enum class Kind { Problem, Daily, SetUp };
    Kind kind = Kind::SetUp;
    QString problem; // the problem's game file without ".pnx"
    QDate day;       // the day whose problem it is
    QString title;   // what the window calls it, translated
};

class GameSession : public QObject {
    Q_OBJECT
public:
    GameSession(HintService& engine, RecordsFile& records, QObject* parent = nullptr);
    // A folder made for this session alone goes with it.
    ~GameSession() override;

    const Game& game() const { return game_; }
    HintService& engine() const { return engine_; }

    // The game's own file: empty until it is opened or saved.
    const QString& fileName() const { return fileName_; }

    // The folder of the undo file, private to this user; a fresh one is removed with the
    // session. Empty until chosen.
    void setUndoFolder(const UndoFolder& folder);
    // The user's own private folder: in the shared temporary folder any other user could
    // plant a link or a file of the undo file's name.
    void useOwnUndoFolder();
    const QString& undoFolder() const { return undo_.path; }
    QString undoFile() const;
    // Deletes the undo file if there is one: there is then nothing to undo.
    void deleteUndoFile();

    // A new game: 32 marbles, the clock stopped at "120".
    void newGame();
    // A game from `position` played as `challenge`, with no file of its own: Save asks for
    // a name.
    void start(const Position& position, const Challenge& challenge);
    // The challenge being played, while the game goes on from its board: New, Open, or
    // another copy's undo file ends it, though an Undo straight after Open takes it back
    // with the game.
    const Challenge* challenge() const;
    // A click on a hole: starts the clock, then picks up, puts down or jumps. A jump writes
    // the undo file first; when it cannot, the jump is refused and the reason told in the
    // result.
    Result click(int cell);
    // The jump the player's two clicks would make.
    Result jump(int from, int to);
    // Picks up a marble as a click would, without starting the clock (a hint).
    void select(int cell);
    void tick();
    // The engine has helped this game.
    void markAssisted() { game_.markAssisted(); }
    // Tell Me When It Ends: at a win or a dead end the clock stops, and a dead end says so.
    void setTellWhenItEnds(bool on) { tellWhenItEnds_ = on; }

    // Reads a game file onto the board and makes it the game's file. An invalid file, or
    // a missing folder, changes nothing.
    ReadResult open(const QString& path);
    // Saves to `path` and makes it the game's file; the reason when it cannot.
    std::optional<QString> save(const QString& path);
    // Reads the undo file back, if there is one; it never becomes the game's file.
    ReadResult undo();
    // Back to before jump `jump` (from 0) of the jumps made, writing the position left to
    // the undo file first.
    Result rewind(std::size_t jump);

    // With the engine: the game judged jump by jump, and the line to a centre finish from
    // the board, which helps the game as a hint does.
    Review review(const HintEngine& engine);
    std::optional<std::vector<Jump>> winningLine(const HintEngine& engine);

    // The moves of the jumps made, as players count them: a chain of jumps by one marble
    // is one move, so Undo gives one back only with the last jump of its chain.
    int moves() const { return moveCount(game_.jumps()); }
    // With the engine of fewest moves, helping the game as a hint does: the fewest moves
    // from the board to a centre finish, the move under way going on for free; a line of
    // that many; and the game judged by its moves.
    std::optional<int> fewestMoves(const FewestMoves& engine);
    std::optional<MoveLine> fewestMovesLine(const FewestMoves& engine);
    MovesReview reviewMoves(const FewestMoves& engine);

signals:
    // The marbles, the count or the jumps made changed.
    void boardChanged();
    // Anything a window shows changed: the board, the picked-up marble or the clock.
    void changed();
    // A jump left one marble: `outcome` says whether it stands in the centre.
    void gameEnded(Outcome outcome);
    // With Tell Me When It Ends: a jump left `marbles` marbles, more than one, and no jump.
    void noJumpLeft(int marbles);

private:
    // The undo file's writer for Game, whose failure is `message` with the path as %1 and
    // the reason as %2.
    BeforeJump undoWriter(const QString& message);
    // Open: the challenge waits for an Undo that brings its game back.
    void setChallengeAside();
    // With Tell Me When It Ends, a board with no jump from the start is told at once.
    void tellIfDeadEnd();
    // Tells what a jump did, and keeps a game that has ended.
    Result made(const Result& result);
    // Puts a game that has ended into the records it belongs to.
    void record(const Finish& finish);

    HintService& engine_;
    RecordsFile& records_;
    Game game_;
    QString fileName_;
    UndoFolder undo_;
    std::optional<Challenge> challenge_;
    Marbles challengeBoard_{}; // where it started
    // The board this session last wrote to the undo file, and, while the challenge is set
    // aside, the one that Undo must read back to take it up again.
    std::optional<Marbles> undoHolds_, resumeAt_;
    bool tellWhenItEnds_ = false;
};

} // namespace pebblenix
