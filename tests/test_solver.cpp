// The hint engine: symmetries, the table's storage, and hints checked against a plain
// search on positions small enough to search.

#include "files/solutionfile.h"
#include "game/hint.h"
#include "game/reachable.h"
#include "tests/support.h"

#include <QRegularExpression>
#include <bit>
#include <cstring>
#include <random>
#include <set>
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
    for (const Jump& j : allJumps())
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
        writeAll(dir.filePath("empty.pnx"), "");
        writeAll(dir.filePath("one.pnx"), "1");
        writeAll(dir.filePath("three.pnx"), "1\r\n-1\r\n1\r\n");
        writeAll(dir.filePath("bad\x1b[2J\xc2\x9b.pnx"), "2\r\n");
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.pnx")), 0600) == 0);
    }

    // The whole table against the published counts of peg solitaire on the 33-hole cross:
    // positions reachable from the start and those that can still finish in the centre.
    // Long, so run only as its own CTest entry, which sets PEBBLENIX_PUBLISHED_COUNTS.
    void publishedCounts() {
        if (!qEnvironmentVariableIsSet("PEBBLENIX_PUBLISHED_COUNTS"))
            QSKIP("the CTest entry test_solver_counts runs this");
        const SolutionTable& table = file->table();
        const HintEngine engine(table);

        std::vector<std::uint64_t> reachable(32, 0), winning(32, 0);
        std::uint64_t reachableAll = 0, winningClasses = 0, winningAll = 0;
        table.forEach([&](std::uint64_t key) {
            const Bits board = expand(key);
            const auto images = symmetries(board);
            const std::uint64_t orbit = std::set<Bits>(images.begin(), images.end()).size();
            const int level = 32 - std::popcount(board);
            ++reachable[static_cast<std::size_t>(level)];
            reachableAll += orbit;
            if (engine.canFinishInCentre(board)) {
                ++winning[static_cast<std::size_t>(level)];
                ++winningClasses;
                winningAll += orbit;
            }
        });
        QCOMPARE(table.size(), std::uint64_t(23475688));
        QCOMPARE(reachableAll, std::uint64_t(187636299));
        QCOMPARE(winningClasses, std::uint64_t(1679072));
        QCOMPARE(winningAll, std::uint64_t(13428122));
        const std::vector<std::uint64_t> firstReachable = {1, 1, 2, 8, 39, 171, 719, 2757, 9751};
        const std::vector<std::uint64_t> firstWinning = {1, 1, 2, 8, 38, 164, 635, 2089, 6174};
        for (std::size_t j = 0; j < firstReachable.size(); ++j) {
            QCOMPARE(reachable[j], firstReachable[j]);
            QCOMPARE(winning[j], firstWinning[j]);
        }
        QCOMPARE(reachable[31], std::uint64_t(2)); // one marble left: in the centre or not...
        QCOMPARE(winning[31], std::uint64_t(1));   // ...and only the centre is a finish
    }

    // Keys spread thinly, packed densely (every storable key of a stretch), and at both
    // ends, or none at all; asked for and listed back.
    void theTableStoresExactlyItsKeys() {
        constexpr std::uint64_t kLimit = std::uint64_t{1} << 33;
        std::mt19937_64 rng(11);
        std::vector<std::uint64_t> keys, asked;
        for (std::uint64_t k = 0; k < 64; ++k)
            for (std::uint64_t key : {k, kLimit - 1 - k, (std::uint64_t{77} << 24) + k * 5})
                asked.push_back(key);
        for (std::uint64_t k = std::uint64_t{3} << 30; k < (std::uint64_t{3} << 30) + 65536; ++k)
            asked.push_back(k);
        for (int i = 0; i < 400000; ++i)
            asked.push_back(rng() % kLimit);
        for (std::uint64_t k : asked)
            if (SolutionTable::storable(k) && (k < (std::uint64_t{1} << 32) || rng() % 8 == 0))
                keys.push_back(k);
        sortUnique(keys);
        const auto image = SolutionTable::serialize(keys);
        std::string error;
        const auto table = SolutionTable::view(image.data(), image.size(), error);
        QVERIFY2(table, error.c_str());
        for (std::uint64_t k : asked)
            QCOMPARE(table->contains(k), std::binary_search(keys.begin(), keys.end(), k));
        std::vector<std::uint64_t> listed;
        table->forEach([&](std::uint64_t k) { listed.push_back(k); });
        sortUnique(listed);
        QVERIFY(listed == keys && table->size() == keys.size());
        const auto none = SolutionTable::serialize({});
        QCOMPARE(SolutionTable::view(none.data(), none.size(), error)->size(), std::size_t(0));
    }

    // Images made wrong on purpose, most with a valid checksum, so that only the checks
    // of the structure stand between them and a lookup.
    void aDamagedTableIsRefused_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("reason");
        const char* rows[][2] = {
            {"a flipped bit", "it is damaged"},
            {"cut short", "it has the wrong size"},
            {"the first format", "it was made by another version of Pebblenix"},
            {"a key that is not there", "it is damaged"},
            {"a width out of range", "it is damaged"},
            {"a key count not the sum", "it is damaged"},
            {"a bucket left open", "it is damaged"}};
        for (int damage = 0; damage < int(std::size(rows)); ++damage)
            QTest::newRow(rows[damage][0]) << damage << rows[damage][1];
    }
    void aDamagedTableIsRefused() {
        QFETCH(int, damage);
        QFETCH(QString, reason);
        constexpr std::size_t kCounts = SolutionTable::kHeaderBytes;
        constexpr std::size_t kWidths = kCounts + SolutionTable::kChunks * 4;
        // One key in chunk 0: its unary part begins "10", a one for the key, then its
        // bucket's end.
        const auto storableFrom = [](std::uint64_t k) {
            while (!SolutionTable::storable(k))
                ++k;
            return k;
        };
        auto image = SolutionTable::serialize(
            {storableFrom(0), storableFrom(1 << 24), storableFrom(std::uint64_t{1} << 32)});
        QCOMPARE(image[SolutionTable::kPrefixBytes] & 3, 1);
        const auto add = [&](std::size_t at, int value) { image[at] += std::uint8_t(value); };
        switch (damage) {
        case 0:
            image.back() ^= 0x10;
            break;
        case 1:
            image.pop_back();
            break;
        case 2:
            image[6] = '1';
            break;
        case 3: // "1 0" and "0" of chunks 0 and 1 made "0" and "0 0": a key, but no one
            add(kCounts, -1);
            add(kCounts + 4, 1);
            image[SolutionTable::kPrefixBytes] &= 0xF8;
            break;
        case 4:
            add(kWidths + 5, 40);
            break;
        case 5:
            add(8, 1);
            break;
        case 6: // "01": the one after the bucket's end
            image[SolutionTable::kPrefixBytes] ^= 3;
            break;
        }
        if (damage > 2) {
            const auto sum = SolutionTable::checksum(image.data() + SolutionTable::kHeaderBytes,
                                                     image.size() - SolutionTable::kHeaderBytes);
            std::memcpy(image.data() + 16, &sum, 8);
        }
        std::string error;
        QVERIFY(!SolutionTable::view(image.data(), image.size(), error));
        QCOMPARE(QString::fromStdString(error), reason);
    }

    // The table in use, cut short or rewritten in place on disk (as a reinstall does):
    // the answers stay as they were, and nothing dies of a vanished page.
    void aTableChangedOnDiskAnswersAsBefore_data() {
        QTest::addColumn<bool>("cut");
        QTest::newRow("cut short") << true;
        QTest::newRow("rewritten in place") << false;
    }
    void aTableChangedOnDiskAnswersAsBefore() {
        QFETCH(bool, cut);
        const QString path = dir.filePath("copy.bin");
        QFile::remove(path);
        QVERIFY(QFile::copy(findSolutionFile(QCoreApplication::applicationDirPath()), path));
        QString error;
        const auto copy = SolutionFile::open(path, error);
        QVERIFY2(copy, qPrintable(error));
        QFile onDisk(path);
        QVERIFY(onDisk.open(QIODevice::ReadWrite));
        if (cut)
            QVERIFY(onDisk.resize(1000000));
        else
            QVERIFY(onDisk.write(QByteArray(int(onDisk.size()), '\xff')) == onDisk.size());
        onDisk.close();
        const HintEngine before(file->table()), after(copy->table());
        std::mt19937_64 rng(5);
        for (int n = 0; n < 100000; ++n) {
            const Bits board = expand(rng() & ((std::uint64_t{1} << 33) - 1));
            QCOMPARE(after.canFinishInCentre(board), before.canFinishInCentre(board));
        }
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
            // game: start, lost, bad, fifo, one or three (lines); table: table, none, fifo or empty
            {"a finish", "start", "table", "0", "One marble left, in the centre.", "", ""},
            {"none", "lost", "table", "1", "No finish", "", ""},
            {"bad file", "bad", "table", "2", "You have provided an invalid file format\n", "", ""},
            {"no table", "start", "none", "3", "cannot be read", "", ""},
            {"FIFO file", "fifo", "table", "2", "not a regular file", "", ""},
            {"FIFO table", "start", "fifo", "3", "not a regular file", "", ""},
            {"an empty table", "start", "empty", "3", "the file is empty", "", ""},
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
            {"three lines, Russian", "three", "table", "2", "3 строки.", "LANGUAGE=ru", ""},
            {"control characters in the name", "bad\x1b[2J\xc2\x9b", "table", "2",
             "bad\\x1b[2J\\x9b.pnx: line 1", "", ""},

            // With --fewest-moves: "moves" for both tables, "nomoves" for the first alone.
            {"fewest moves", "--fewest-moves start", "moves", "0", "\n18 moves", "", ""},
            {"fewest, Polish", "--fewest-moves start", "moves", "0", "\n18 ruchów", "LANGUAGE=pl",
             ""},
            {"fewest, none", "--fewest-moves lost", "moves", "1", "No finish", "", ""},
            {"fewest, bad file", "--fewest-moves bad", "moves", "2", "invalid file format", "", ""},
            {"fewest, no table", "--fewest-moves start", "nomoves", "3", "pebblenix-moves.bin", "",
             ""},
            {"fewest, full disk", "--fewest-moves start", "moves", "4", "No space", "",
             ">/dev/full"}};
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QStringList{r[1], r[2], r[3], QString::fromUtf8(r[4]),
                                               r[5], r[6]};
    }
    void theSolveTool() {
        QFETCH(QStringList, row);
        auto [game, table, status, says, settings, shell] =
            std::tuple{row[0], row[1], row[2].toInt(), row[3], row[4], row[5]};
        const QString program = QCoreApplication::applicationDirPath();
        const bool moves = table.contains("moves"), fewest = game.startsWith("--");
        QProcess p;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_SOLUTIONS", table == "table" || moves ? findSolutionFile(program)
                                                                    : dir.filePath(table + ".pnx"));
        env.insert("PEBBLENIX_MOVES",
                   table == "moves" ? findMoveFile(program) : dir.filePath("pebblenix-moves.bin"));
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", "C.UTF-8");
        for (const QString& setting : settings.split(' ', Qt::SkipEmptyParts))
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        p.setProcessEnvironment(env);
        p.start("bash", {"-c", "exec \"$0\" $1 \"$2\" " + shell, PEBBLENIX_SOLVE_PATH,
                         game.section(' ', 0, -2), dir.filePath(game.section(' ', -1) + ".pnx")});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QCOMPARE(p.exitCode(), status);
        QVERIFY2(out.contains(says) && !out.contains(QChar(0x1b)), qPrintable(out));
        if (status == 0 && !fewest) { // a line of 31 jumps, each as cells and as names
            const QStringList lines = out.trimmed().split('\n');
            QCOMPARE(lines.size(), 32);
            QVERIFY(lines[0].contains(
                QRegularExpression(R"(^\s*\d+ -> \s*\d+   [a-g][1-7] -> [a-g][1-7]$)")));
        }
        if (status == 0 && fewest) { // 18 moves, one marble's jumps each, to the centre
            const QStringList lines = out.trimmed().split('\n');
            QCOMPARE(lines.size(), 19);
            Bits board = kStart;
            for (const QString& line : lines.first(18)) {
                QVERIFY2(line.contains(QRegularExpression(
                             R"(^\s*\d+( -> \s*\d+)+   [a-g][1-7]( -> [a-g][1-7])+$)")),
                         qPrintable(line));
                const QStringList cells = line.section("   ", 0, 0).split(" -> ");
                for (qsizetype i = 1; i < cells.size(); ++i) {
                    const Jump j(cells[i - 1].trimmed().toInt(), cells[i].trimmed().toInt());
                    QVERIFY(jumpPossible(board, j));
                    board = afterJump(board, j);
                }
            }
            QCOMPARE(board, bitOf(kCentre));
        }
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
