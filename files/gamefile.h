#pragma once
// The game file: one position in 51 lines of 8-bit text joined by CR LF. Lines 1 to 49
// hold cells 0 to 48 as "1" (a marble) or "-1" (empty or off the board), line 50 the
// clock text and line 51 the marble count, with no line break after it.

#include "game/position.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace pebblenix {

inline constexpr int kGameFileLines = 51;
inline constexpr int kMaxLineBytes = 255;
// No valid game file is longer than 51 lines of 255 bytes with their breaks; reading
// stops there, so a huge file costs no more than a small one.
inline constexpr qint64 kMaxReadBytes = kGameFileLines * (kMaxLineBytes + 2) + 1;

QByteArray formatGameFile(const Position& position);

struct ParseResult {
    std::optional<Position> position;
    QString problem; // what is wrong, when there is no position
};

// Checks the whole text before anything is taken from it. Lines may end in CR LF, LF or
// CR; anything after line 51 is ignored.
ParseResult parseGameFile(const QByteArray& bytes);

enum class ReadStatus { Ok, FolderMissing, Invalid };

struct ReadResult {
    ReadStatus status = ReadStatus::Invalid;
    std::optional<Position> position;
    QString problem;
};

// Reads at most kMaxReadBytes of the file. A path whose folder does not exist is told
// apart from every other failure, which makes the file invalid.
ReadResult readGameFile(const QString& path);

// Writes atomically: the old file stays whole unless the new one was written in full.
// Returns the reason on failure, nothing on success.
std::optional<QString> writeGameFile(const QString& path, const Position& position);

// Writes the undo file afresh, readable by this user alone: anything of its name that is
// not a regular file (a link, a FIFO, a folder) is removed first, never written through; a
// regular file, whoever's, is replaced whole.
std::optional<QString> writeUndoFile(const QString& path, const Position& position);

// Why a file whose name is not UTF-8 text is not opened.
QString nameNotTextProblem();

// `text` with its control characters written as \xHH, the ones a line of a game file may not
// hold: a file name shown on a terminal then cannot clear or recolour it.
QString withControlsEscaped(const QString& text);

// What the player is told about a file that is not a game file.
QString invalidFileMessage(const QString& path, const QString& problem);

// The undo file's path inside the user's private folder for it.
QString undoFilePath(const QString& tempFolder);

} // namespace pebblenix
