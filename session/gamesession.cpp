#include "session/gamesession.h"

#include "files/recordsfile.h"
#include "game/movecount.h"
#include "game/winningline.h"
#include "session/hintservice.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace pebblenix {

GameSession::GameSession(HintService& engine, RecordsFile& records, QObject* parent)
    : QObject(parent), engine_(engine), records_(records) {}

GameSession::~GameSession() {
    if (undo_.fresh) {
        QFile::remove(undoFile());
        QDir().rmdir(undo_.path);
    }
}

void GameSession::setUndoFolder(const UndoFolder& folder) {
    undo_ = folder;
}

void GameSession::useOwnUndoFolder() {
    setUndoFolder(chooseUndoFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                   QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                                   QDir::tempPath()));
}

QString GameSession::undoFile() const {
    return undoFilePath(undo_.path);
}

void GameSession::deleteUndoFile() {
    if (undo_.path.isEmpty())
        return; // no folder yet: no file either
    const QString path = undoFile();
    if (QFileInfo(path).isFile())
        QFile::remove(path); // a file that will not go is left; the next jump replaces it
    undoHolds_.reset();
}

BeforeJump GameSession::undoWriter(const QString& message) {
    return [this, message](const Position& before) -> std::optional<QString> {
        const QString path = undoFile();
        if (const auto failure = writeUndoFile(path, before))
            return message.arg(QDir::toNativeSeparators(path), *failure);
        undoHolds_ = before.marbles;
        return std::nullopt;
    };
}

void GameSession::newGame() {
    game_ = Game();
    challenge_.reset();
    resumeAt_.reset();
    emit boardChanged();
    emit changed();
}

void GameSession::start(const Position& position, const Challenge& challenge) {
    game_.setPosition(position);
    fileName_.clear();
    challenge_ = challenge;
    challengeBoard_ = position.marbles;
    resumeAt_.reset();
    emit boardChanged();
    emit changed();
    tellIfDeadEnd();
}

const Challenge* GameSession::challenge() const {
    return challenge_ && !resumeAt_ && game_.firstPosition() == challengeBoard_ ? &*challenge_
                                                                                : nullptr;
}

// The undo file still holds the challenge's game until the next jump is written over it.
void GameSession::setChallengeAside() {
    resumeAt_ = challenge() ? undoHolds_ : std::nullopt;
    if (!resumeAt_)
        challenge_.reset();
}

void GameSession::record(const Finish& finish) {
    const QDate today = QDate::currentDate();
    const Challenge* playing = challenge();
    if (!playing || playing->kind == Challenge::Kind::SetUp) {
        records_.add(finish, today);
        return;
    }
    if (!finish.inCentre)
        return; // only a solution counts for a problem or a day
    if (playing->kind == Challenge::Kind::Daily) {
        records_.add([day = playing->day](Records& r) { r.addDay(day); });
        return;
    }
    records_.add([id = playing->problem, help = finish.assisted ? Assisted : Unaided,
                  moves = moveCount(game_.jumps()),
                  today](Records& r) { r.addProblem(id, help, moves, today); });
}

Result GameSession::made(const Result& result) {
    const bool moved = result.outcome == Outcome::Jumped || result.outcome == Outcome::Won ||
                       result.outcome == Outcome::LastMarbleOffCentre;
    const bool stops = result.finished && tellWhenItEnds_;
    if (stops)
        game_.stopClock();
    if (moved)
        emit boardChanged();
    emit changed();
    if (result.finished) // before any message, so that the game is kept whatever follows
        record(*result.finished);
    if (result.outcome == Outcome::Won || result.outcome == Outcome::LastMarbleOffCentre)
        emit gameEnded(result.outcome);
    else if (stops)
        emit noJumpLeft(result.finished->marblesLeft);
    return result;
}

Result GameSession::click(int cell) {
    //: %1 is the undo file's path, %2 why it could not be written.
    return made(game_.click(cell, undoWriter(tr("The move was not made, because the undo file "
                                                "could not be written.\r\n%1: %2."))));
}

Result GameSession::jump(int from, int to) {
    game_.select(from);
    return click(to);
}

void GameSession::select(int cell) {
    game_.select(cell);
    emit changed();
}

void GameSession::tick() {
    game_.tick();
    emit changed();
}

ReadResult GameSession::open(const QString& path) {
    ReadResult read = readGameFile(path);
    if (read.position) {
        setChallengeAside();
        game_.setPosition(*read.position);
        fileName_ = path;
        emit boardChanged();
        emit changed();
        tellIfDeadEnd();
    }
    return read;
}

// A board set from a file or a problem may have no jump from the start: with Tell Me When It
// Ends it is told at once, and a click does not start the clock.
void GameSession::tellIfDeadEnd() {
    if (!tellWhenItEnds_ || !game_.deadEnd())
        return;
    game_.stopClock();
    emit changed();
    emit noJumpLeft(marblesOn(game_.marbles()));
}

std::optional<QString> GameSession::save(const QString& path) {
    if (auto failure = writeGameFile(path, game_.position()))
        return failure;
    fileName_ = path;
    return std::nullopt;
}

ReadResult GameSession::undo() {
    const QString path = undoFile();
    if (!QFileInfo(path).isFile())
        return {ReadStatus::FolderMissing, std::nullopt, QString()};
    ReadResult read = readGameFile(path);
    if (read.position) {
        game_.restore(*read.position);
        if (resumeAt_ && !(undoHolds_ == resumeAt_ && read.position->marbles == *resumeAt_))
            challenge_.reset(); // a jump since, or another copy, wrote over the challenge's game
        resumeAt_.reset();
        emit boardChanged();
        emit changed();
    }
    return read;
}

Result GameSession::rewind(std::size_t jump) {
    const Result result = game_.rewind(
        //: %1 is the undo file's path, %2 why it could not be written.
        jump, undoWriter(tr("The game was not rewound, because the undo file could not be "
                            "written.\r\n%1: %2.")));
    if (result.outcome == Outcome::Rewound)
        emit boardChanged();
    emit changed();
    return result;
}

Review GameSession::review(const HintEngine& engine) {
    game_.markAssisted();
    return reviewGame(game_.firstPosition(), game_.jumps(), engine);
}

std::optional<std::vector<Jump>> GameSession::winningLine(const HintEngine& engine) {
    game_.markAssisted();
    return pebblenix::winningLine(game_.marbles(), engine);
}

std::optional<int> GameSession::fewestMoves(const FewestMoves& engine) {
    game_.markAssisted();
    return engine.fewestMoves(toBits(game_.marbles()), movingMarble(game_.jumps()));
}

std::optional<MoveLine> GameSession::fewestMovesLine(const FewestMoves& engine) {
    game_.markAssisted();
    return engine.fewestMovesLine(toBits(game_.marbles()), movingMarble(game_.jumps()));
}

MovesReview GameSession::reviewMoves(const FewestMoves& engine) {
    game_.markAssisted();
    return pebblenix::reviewMoves(game_.firstPosition(), game_.jumps(), engine);
}

} // namespace pebblenix
