#pragma once
// Shared by every test: a private temporary and configuration folder for each test
// program, a lowered file-size limit, and game files made to order.

#include "files/gamefile.h"
#include "game/fewestmoves.h"
#include "game/game.h"
#include "game/hint.h"

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

namespace pebblenix::test {

// While it lives, TMPDIR, XDG_CONFIG_HOME, XDG_RUNTIME_DIR and HOME point into a fresh
// folder of this test program's own, so that no test touches the user's files.
struct PrivateFolders {
    PrivateFolders();
    QTemporaryDir root;
};

// Lowers the file-size limit while it lives, so that writes fail with EFBIG (a full disk)
// even for root; SIGXFSZ is ignored so that the write reports the failure instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(quint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    quint64 old_ = 0;
};

// A line from the start whose fifth jump, d4 to b4, loses the centre finish.
inline const std::vector<Jump> kLosesAtFive = {{38, 24}, {17, 31}, {22, 24},
                                               {37, 23}, {24, 22}, {9, 23}};

// `g` after the first `jumps` jumps of `line`; the test ends if the board refuses one.
inline Game losingGame(std::size_t jumps, Game g = Game(),
                       const std::vector<Jump>& line = kLosesAtFive) {
    for (std::size_t i = 0; i < jumps; ++i)
        if (g.jump(line[i].from, line[i].to).outcome == Outcome::Deselected)
            qFatal("the test's line holds a jump the board does not allow");
    return g;
}

// CTest's code for a test that did not run: a program whose rows were skipped for want of
// root exits with it, so that ctest says "Skipped", not "Passed" (and never for 77 failures).
inline constexpr int kSkippedCode = 77;
inline bool rowsSkipped = false;

// Skips a row that only root can make happen (a file or link of another user's): it stays in
// its table, says why, and the program reports itself skipped.
#define SKIP_UNLESS_ROOT(why)                                                                      \
    do {                                                                                           \
        if (::geteuid() != 0) {                                                                    \
            pebblenix::test::rowsSkipped = true;                                                   \
            QSKIP("needs root: " why);                                                             \
        }                                                                                          \
    } while (false)

// QTEST_MAIN and QTEST_GUILESS_MAIN, but with that code.
#define PEBBLENIX_TEST_MAIN(TestObject, Application)                                               \
    int main(int argc, char** argv) {                                                              \
        Application app(argc, argv);                                                               \
        TestObject tc;                                                                             \
        const int failed = QTest::qExec(&tc, argc, argv);                                          \
        return failed == 0 && pebblenix::test::rowsSkipped ? pebblenix::test::kSkippedCode         \
                                                           : std::min(failed, 76);                 \
    }

// A new game after the jump d2 to d4, with the clock out of time.
Position firstJumpPosition();
// A position with marbles in the given cells, and its game file; the count says how many
// unless given.
Position positionWith(std::initializer_list<int> marbles, const QByteArray& clock = "120",
                      const QByteArray& count = QByteArray());
inline QByteArray gameFileWith(std::initializer_list<int> marbles, const QByteArray& clock = "120",
                               const QByteArray& count = QByteArray()) {
    return formatGameFile(positionWith(marbles, clock, count));
}

// The hint engine on the build's table of solutions, loaded once; the test ends if it
// cannot be.
const HintEngine& tableEngine();
// The fewest-moves engine on the build's tables, loaded once.
const FewestMoves& tableMoves();

QByteArray readAll(const QString& path);
// Makes the file's folder first if need be; the test ends if the file cannot be written.
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace pebblenix::test
