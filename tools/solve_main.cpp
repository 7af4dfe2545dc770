// pebblenix-solve [--fewest-moves] FILE.pnx: prints a line of play from the position in a
// game file that ends with the last marble in the centre, or says that there is none; with
// --fewest-moves a line in the fewest moves (a move is one marble's chain of jumps), one
// move a line, and their count.
// Exit status: 0 a finish (or already finished), 1 none possible, 2 a bad file, 3 no table,
// 4 the output could not be written.

#include "files/gamefile.h"
#include "files/solutionfile.h"
#include "game/bitboard.h"
#include "game/fewestmoves.h"
#include "game/hint.h"
#include "game/review.h"
#include "game/verdicts.h"
#include "game/winningline.h"
#include "startup/commandline.h"
#include "startup/standardstreams.h"
#include "startup/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cerrno>
#include <csignal>
#include <optional>
#include <unistd.h>

using namespace pebblenix;

namespace {

enum Status { kFinish = 0, kNoFinish = 1, kBadFile = 2, kNoTable = 3, kNoOutput = 4 };

// Writes all of `bytes` to standard output and closes it; the system's error number when
// that fails. A stream closed at start counts as a failed write, not as silence.
std::optional<int> writeOut(const QByteArray& bytes, bool closedAtStart) {
    if (closedAtStart)
        return EBADF;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    if (::close(STDOUT_FILENO) != 0)
        return errno;
    return std::nullopt;
}

// A move as cells and as names: "10 -> 24 -> 38   d2 -> d4 -> d6".
QString moveText(const std::vector<Jump>& move) {
    QStringList cells{QStringLiteral("%1").arg(move.front().from, 2)};
    for (const Jump& j : move)
        cells << QStringLiteral("%1").arg(j.to, 2);
    return cells.join(QStringLiteral(" -> ")) + QStringLiteral("   ") + moveName(move);
}

QString movesText(const MoveLine& line) {
    QString out;
    for (const auto& move : line)
        out += moveText(move) + QLatin1Char('\n');
    const int n = static_cast<int>(line.size());
    if (n == 1)
        //: The last line after a line of play of one move that ends with one marble in
        //: the centre hole.
        return out + QCoreApplication::translate("Solve", "One move");
    //: The last line after a line of play that ends with one marble in the centre hole:
    //: its number of moves, each one marble's chain of jumps (never 1).
    return out + QCoreApplication::translate("Solve", "%n moves", nullptr, n);
}

} // namespace

int main(int argc, char** argv) {
    const int closed = openStandardStreams();
    // A reader gone (a closed pipe) or a file-size limit must fail the write, which is
    // then told and exits 4, not end the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    installTranslations(app, findTranslationsFolder(QCoreApplication::applicationDirPath()));
    QTextStream err(stderr);
    const bool fewest = argc == 3 && qstrcmp(argv[1], "--fewest-moves") == 0;
    const char* const argument = argv[argc - 1];
    if (argc != 2 + fewest || argument[0] == '-') {
        //: Shown when the tool is started wrongly. FILE.pnx stands for the name of a game
        //: file; the command's name and its option stay as they are.
        err << QCoreApplication::translate("Solve",
                                           "usage: pebblenix-solve [--fewest-moves] FILE.pnx")
            << "\n";
        return kBadFile;
    }
    const auto [path, isText] = commandLinePath({QByteArray(argument)});
    const ReadResult read =
        isText ? readGameFile(path) : ReadResult{ReadStatus::Invalid, {}, nameNotTextProblem()};
    if (read.status != ReadStatus::Ok) {
        const QString problem =
            read.status == ReadStatus::FolderMissing
                //: Why a game file cannot be opened: the folder named in its path is missing.
                ? QCoreApplication::translate("Solve", "its folder does not exist")
                : read.problem;
        err << invalidFileMessage(withControlsEscaped(path), problem)
                   .replace(QStringLiteral("\r\n"), "\n")
            << "\n";
        return kBadFile;
    }
    QString error;
    const auto file =
        SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
    if (!file) {
        //: %1 says why the table behind the hints cannot be used, for example that its
        //: file cannot be read or is damaged.
        err << QCoreApplication::translate(
                   "Solve", "pebblenix-solve: the table of solutions cannot be used: %1")
                   .arg(withControlsEscaped(error))
            << "\n";
        return kNoTable;
    }
    std::unique_ptr<MoveFile> moves;
    if (fewest && !(moves = MoveFile::open(findMoveFile(QCoreApplication::applicationDirPath()),
                                           file->table(), error))) {
        // %1 names the file, which tells the two tables apart.
        err << QCoreApplication::translate(
                   "Solve", "pebblenix-solve: the table of solutions cannot be used: %1")
                   .arg(withControlsEscaped(error))
            << "\n";
        return kNoTable;
    }
    const HintEngine engine(file->table());
    const Marbles& board = read.position->marbles;
    QString out;
    Status status = kFinish;
    const auto line = winningLine(board, engine);
    const auto fewestLine =
        moves ? FewestMoves(file->table(), moves->table()).fewestMovesLine(toBits(board))
              : std::nullopt;
    if (toBits(board) == bitOf(kCentre)) {
        out = QCoreApplication::translate("Game", kAlreadyFinishedText);
    } else if (!line || (moves && !fewestLine)) {
        out = QCoreApplication::translate("Game", kNoFinishText);
        status = kNoFinish;
    } else if (fewestLine) {
        out = movesText(*fewestLine);
    } else {
        for (const Jump& jump : *line)
            out += QStringLiteral("%1 -> %2   %3\n")
                       .arg(jump.from, 2)
                       .arg(jump.to, 2)
                       .arg(jumpName(jump));
        //: The last line after a list of jumps that ends with one marble in the centre hole.
        out += QCoreApplication::translate("Solve", "One marble left, in the centre.");
    }
    if (const auto failure = writeOut((out + QLatin1Char('\n')).toUtf8(), closed & kOutputClosed)) {
        //: Shown when the tool's answer could not be written out, for example to a full
        //: disk. %1 is the system's reason, such as "No space left on device".
        err << QCoreApplication::translate("Solve",
                                           "pebblenix-solve: the output could not be written (%1)")
                   .arg(qt_error_string(*failure))
            << "\n";
        return kNoOutput;
    }
    return status;
}
