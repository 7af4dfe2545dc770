// pebblenix-solve FILE.pnx: prints a line of play from the position in a game file that
// ends with the last marble in the centre, or says that there is none.
// Exit status: 0 a finish (or already finished), 1 none possible, 2 a bad file, 3 no table.

#include "files/gamefile.h"
#include "files/solutionfile.h"
#include "files/translations.h"
#include "game/bitboard.h"
#include "game/hint.h"

#include <QCoreApplication>
#include <QTextStream>
#include <bit>

using namespace pebblenix;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    installTranslations(app, findTranslationsFolder(QCoreApplication::applicationDirPath()));
    QTextStream out(stdout), err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        err << QCoreApplication::translate("Solve", "usage: pebblenix-solve FILE.pnx") << "\n";
        return 2;
    }
    const QString path = args[0];
    const ReadResult read = readGameFile(path);
    if (read.status != ReadStatus::Ok) {
        const QString problem =
            read.status == ReadStatus::FolderMissing
                ? QCoreApplication::translate("Solve", "its folder does not exist")
                : read.problem;
        err << invalidFileMessage(path, problem).replace(QStringLiteral("\r\n"), "\n") << "\n";
        return 2;
    }
    QString error;
    const auto file =
        SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
    if (!file) {
        err << QCoreApplication::translate(
                   "Solve", "pebblenix-solve: the table of solutions cannot be used: %1")
                   .arg(error)
            << "\n";
        return 3;
    }
    const HintEngine engine(file->table());
    Bits board = toBits(read.position->marbles);
    if (board == bitOf(kCentre)) {
        out << QCoreApplication::translate("Solve", "The last marble is already in the centre.")
            << "\n";
        return 0;
    }
    if (!engine.hint(board)) {
        out << QCoreApplication::translate("Game", kNoFinishText) << "\n";
        return 1;
    }
    while (const auto jump = engine.hint(board)) {
        out << QStringLiteral("%1 -> %2   %3 -> %4\n")
                   .arg(jump->fromCell, 2)
                   .arg(jump->toCell, 2)
                   .arg(QLatin1String(cellName(jump->fromCell).data()),
                        QLatin1String(cellName(jump->toCell).data()));
        board = afterJump(board, *jump);
    }
    out << QCoreApplication::translate("Solve", "%1 marble left, in the centre.")
               .arg(std::popcount(board))
        << "\n";
    return 0;
}
