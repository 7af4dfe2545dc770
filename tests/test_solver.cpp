// The hint engine: symmetries, the table's storage, and hints checked against a plain
// search on positions small enough to search.

#include "files/solutionfile.h"
#include "game/hint.h"
#include "tests/support.h"

#include <QRegularExpression>
#include <bit>
#include <cstring>
#include <random>
#include <sys/stat.h>
#include <unordered_map>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

const Bits kStart = kAllHoles & ~bitOf(kCentre);

// A plain depth-first search for a centre finish, remembering the boards that fail.
bool searchFinish(Bits board, std::unordered_map<Bits, bool>& seen) {
    if (board == bitOf(kCentre))
        return true;
    if (const auto it = seen.find(board); it != seen.end())
        return it->second;
    bool found = false;
    for (const JumpMask& j : jumpMasks())
        if (jumpPossible(board, j) && searchFinish(afterJump(board, j), seen)) {
            found = true;
            break;
        }
    seen[board] = found;
    return found;
}

Bits randomBoard(std::mt19937_64& rng, int marbles) {
    Bits b = 0;
    while (std::popcount(b) < marbles)
        if (const int cell = static_cast<int>(rng() % kCells); isHole(cell))
            b |= bitOf(cell);
    return b;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    std::unique_ptr<SolutionFile> file;

private slots:
    void initTestCase() {
        QString error;
        file = SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
        QVERIFY2(file, qPrintable(error));
        writeAll(dir.filePath("start.pnx"), formatGameFile(newGamePosition()));
        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        writeAll(dir.filePath("bad.pnx"), "2\r\n");
        writeAll(dir.filePath("one.pnx"), "1");
        writeAll(dir.filePath("three.pnx"), "1\r\n-1\r\n1\r\n");
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.pnx")), 0600) == 0);
    }

    void theTableStoresExactlyItsKeys() {
        std::mt19937_64 rng(11);
        std::vector<std::uint64_t> keys = {0, (std::uint64_t{1} << 33) - 1};
        for (int i = 0; i < 50000; ++i)
            keys.push_back(rng() & ((std::uint64_t{1} << 33) - 1));
        for (std::uint64_t k = 4096 * 77; k < 4096 * 78; ++k) // one bucket completely full
            keys.push_back(k);
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        const auto image = SolutionTable::serialize(keys);
        std::string error;
        const auto table = SolutionTable::view(image.data(), image.size(), error);
        QVERIFY2(table, error.c_str());
        for (int i = 0; i < 50000; ++i) {
            const std::uint64_t k = rng() & ((std::uint64_t{1} << 33) - 1);
            QCOMPARE(table->contains(k), std::binary_search(keys.begin(), keys.end(), k));
        }
        std::vector<std::uint64_t> listed;
        table->forEach([&](std::uint64_t k) { listed.push_back(k); });
        QVERIFY(listed == keys && table->size() == keys.size());
    }

    void aDamagedTableIsRefused() {
        auto image = SolutionTable::serialize({1, 2, 3});
        std::string error;
        image.back() ^= 0x10;
        QVERIFY(!SolutionTable::view(image.data(), image.size(), error));
        QCOMPARE(error, std::string("it is damaged"));
        QVERIFY(!SolutionTable::view(image.data(), 4, error));
        // a bad index with a valid checksum: block starts far past the keys
        image = SolutionTable::serialize({1, 2, 3});
        for (std::size_t at = 24; at < 24 + 4 * 1024; at += 4)
            std::memcpy(image.data() + at, "\x00\x00\xff\xff", 4);
        const std::uint64_t sum = SolutionTable::checksum(image.data() + 24, image.size() - 24);
        std::memcpy(image.data() + 16, &sum, 8);
        QVERIFY(!SolutionTable::view(image.data(), image.size(), error));
    }

    // Random boards with up to ten marbles, judged by the table and by a plain search; and
    // the hints from the start lead to the centre in 31 jumps.
    void hintsAgreeWithASearch() {
        const HintEngine engine(file->table());
        std::mt19937_64 rng(2024);
        std::unordered_map<Bits, bool> seen;
        int winnable = 0;
        for (int n = 0; n < 20000; ++n) {
            const Bits board = randomBoard(rng, 1 + static_cast<int>(rng() % 10));
            const bool expected = searchFinish(board, seen);
            QCOMPARE(engine.canFinishInCentre(board), expected);
            const auto j = engine.hint(board);
            QCOMPARE(bool(j), expected && board != bitOf(kCentre));
            if (j)
                QVERIFY(searchFinish(afterJump(board, *j), seen));
            winnable += expected;
        }
        QVERIFY(winnable > 100); // the sample holds both kinds
        Bits board = kStart;
        int jumps = 0;
        for (auto j = engine.hint(board); j; j = engine.hint(board), ++jumps)
            board = afterJump(board, *j);
        QVERIFY(jumps == 31 && board == bitOf(kCentre));
        QVERIFY(!engine.hint(kAllHoles)); // a full board has no jump at all
    }

    // pebblenix-solve: its exit status and what it prints, for each kind of input, each
    // language setting and each state of its output.
    void theSolveTool_data() {
        QTest::addColumn<QStringList>("row"); // game, table, status, output, settings, shell
        const char* rows[][7] = {
            // game: start, lost, bad, fifo, one or three (lines); table: table, none or fifo
            {"a finish", "start", "table", "0", "One marble left, in the centre.", "", ""},
            {"none", "lost", "table", "1", "No finish", "", ""},
            {"bad file", "bad", "table", "2", "You have provided an invalid file format\n", "", ""},
            {"no table", "start", "none", "3", "cannot be read", "", ""},
            {"FIFO file", "fifo", "table", "2", "not a regular file", "", ""},
            {"FIFO table", "start", "fifo", "3", "not a regular file", "", ""},
            {"a full disk", "start", "table", "4", "No space left on device", "", ">/dev/full"},
            {"output closed", "lost", "table", "4", "could not be written", "", ">&-"},
            {"in French", "lost", "table", "1",
             "D’ici, la dernière bille ne peut plus finir au centre.", "LANGUAGE=fr:de", ""},
            {"English first", "lost", "table", "1", "No finish", "LANGUAGE=en_GB:fr", ""},
            {"Brazilian", "lost", "table", "1", "bolinha", "LANGUAGE=pt_BR", ""},
            {"a C locale keeps English", "lost", "table", "1", "No finish", "LANGUAGE=fr LC_ALL=C",
             ""},
            {"one line", "one", "table", "2", "has only 1.", "", ""},
            {"three lines", "three", "table", "2", "has only 3.", "", ""},
            {"one line, Polish", "one", "table", "2", "1 wiersz.", "LANGUAGE=pl", ""},
            {"three lines, Polish", "three", "table", "2", "3 wiersze.", "LANGUAGE=pl", ""},
            {"one line, Russian", "one", "table", "2", "1 строка.", "LANGUAGE=ru", ""},
            {"three lines, Russian", "three", "table", "2", "3 строки.", "LANGUAGE=ru", ""}};
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QStringList{r[1], r[2], r[3], QString::fromUtf8(r[4]),
                                               r[5], r[6]};
    }
    void theSolveTool() {
        QFETCH(QStringList, row);
        auto [game, table, status, says, settings, shell] =
            std::tuple{row[0], row[1], row[2].toInt(), row[3], row[4], row[5]};
        table = table == "fifo"   ? dir.filePath("fifo.pnx")
                : table == "none" ? dir.filePath("none.bin")
                                  : findSolutionFile(QCoreApplication::applicationDirPath());
        QProcess p;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_SOLUTIONS", table);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", "C.UTF-8");
        for (const QString& setting : settings.split(' ', Qt::SkipEmptyParts))
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        p.setProcessEnvironment(env);
        p.start("bash", {"-c", "exec \"$0\" \"$1\" " + shell, PEBBLENIX_SOLVE_PATH,
                         dir.filePath(game + ".pnx")});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QCOMPARE(p.exitCode(), status);
        QVERIFY2(out.contains(says), qPrintable(out));
        if (status == 0) { // a line of 31 jumps, each as cells and as names
            const QStringList lines = out.trimmed().split('\n');
            QCOMPARE(lines.size(), 32);
            QVERIFY(lines[0].contains(
                QRegularExpression(R"(^\s*\d+ -> \s*\d+   [a-g][1-7] -> [a-g][1-7]$)")));
        }
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
