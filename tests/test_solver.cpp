// The hint engine: symmetries, the table's storage, and hints checked against a plain
// search on positions small enough to search.

#include "files/gamefile.h"
#include "files/solutionfile.h"
#include "game/hint.h"
#include "tests/support.h"

#include <QProcess>
#include <QRegularExpression>

#include <QTemporaryDir>
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
    for (const JumpMask& j : jumpMasks())
        if (jumpPossible(board, j) && searchFinish(afterJump(board, j), seen)) {
            found = true;
            break;
        }
    seen[board] = found;
    return found;
}

Bits randomBoard(std::mt19937_64& rng, int marbles) {
    std::vector<int> holes;
    for (int i = 0; i < kCells; ++i)
        if (isHole(i))
            holes.push_back(i);
    std::shuffle(holes.begin(), holes.end(), rng);
    Bits b = 0;
    for (int k = 0; k < marbles; ++k)
        b |= bitOf(holes[static_cast<std::size_t>(k)]);
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
    }

    void symmetriesKeepTheCross() {
        std::mt19937_64 rng(7);
        for (int n = 0; n < 2000; ++n) {
            const Bits b = randomBoard(rng, static_cast<int>(rng() % 34));
            QCOMPARE(expand(compress(b)), b);
            QVERIFY(compress(b) < (std::uint64_t{1} << 33));
            const Bits c = canonical(b);
            for (Bits image : symmetries(b)) {
                QCOMPARE(image & ~kAllHoles, Bits{0});
                QCOMPARE(std::popcount(image), std::popcount(b));
                QCOMPARE(canonical(image), c);
            }
        }
        for (Bits image : symmetries(kStart))
            QCOMPARE(image, kStart);
        // one marble at c1 has eight different images
        const auto images = symmetries(bitOf(2));
        QCOMPARE(std::set<Bits>(images.begin(), images.end()).size(), std::size_t(8));
        QCOMPARE(toBits(toMarbles(kStart)), kStart);
        QCOMPARE(toMarbles(kStart), startPosition());
    }

    void theTableStoresExactlyItsKeys() {
        std::mt19937_64 rng(11);
        std::vector<std::uint64_t> keys;
        for (int i = 0; i < 50000; ++i)
            keys.push_back(rng() & ((std::uint64_t{1} << 33) - 1));
        keys.push_back(0);
        keys.push_back((std::uint64_t{1} << 33) - 1);
        for (std::uint64_t k = 4096 * 77; k < 4096 * 78; ++k) // one bucket completely full
            keys.push_back(k);
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        const auto image = SolutionTable::serialize(keys);
        std::string error;
        const auto table = SolutionTable::view(image.data(), image.size(), error);
        QVERIFY2(table, error.c_str());
        QCOMPARE(table->size(), keys.size());
        for (std::uint64_t k : keys)
            QVERIFY(table->contains(k));
        for (int i = 0; i < 50000; ++i) {
            const std::uint64_t k = rng() & ((std::uint64_t{1} << 33) - 1);
            QCOMPARE(table->contains(k), std::binary_search(keys.begin(), keys.end(), k));
        }
        QVERIFY(!table->contains(std::uint64_t{1} << 33));
        std::vector<std::uint64_t> listed;
        table->forEach([&](std::uint64_t k) { listed.push_back(k); });
        QVERIFY(listed == keys);
    }

    void aDamagedTableIsRefused() {
        auto image = SolutionTable::serialize({1, 2, 3});
        std::string error;
        QVERIFY(SolutionTable::view(image.data(), image.size(), error));
        image[image.size() - 1] ^= 0x10;
        QVERIFY(!SolutionTable::view(image.data(), image.size(), error));
        QCOMPARE(error, std::string("it is damaged"));
        QVERIFY(!SolutionTable::view(image.data(), image.size() - 1, error));
        QVERIFY(!SolutionTable::view(image.data(), 4, error));
        // a bad index with a valid checksum: block starts far past the keys
        image = SolutionTable::serialize({1, 2, 3});
        for (std::size_t at = 24; at < 24 + 4 * 1024; at += 4)
            std::memcpy(image.data() + at, "\x00\x00\xff\xff", 4);
        const std::uint64_t sum = SolutionTable::checksum(image.data() + 24, image.size() - 24);
        std::memcpy(image.data() + 16, &sum, 8);
        QVERIFY(!SolutionTable::view(image.data(), image.size(), error));

        QTemporaryDir dir;
        writeAll(dir.filePath("t.bin"), "not a table");
        QString why;
        QVERIFY(!SolutionFile::open(dir.filePath("t.bin"), why));
        QVERIFY(why.contains("not a table"));
        QVERIFY(!SolutionFile::open(dir.filePath("missing.bin"), why));
        QVERIFY(why.contains("cannot be read"));
    }

    void followingTheHintsFromTheStartWins() {
        const HintEngine engine(file->table());
        Bits board = kStart;
        int jumps = 0;
        while (const auto j = engine.hint(board)) {
            board = afterJump(board, *j);
            ++jumps;
        }
        QCOMPARE(jumps, 31);
        QCOMPARE(board, bitOf(kCentre));
    }

    // Random boards with up to ten marbles, and late positions of random games, judged
    // by the table and by a plain search.
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
        for (int game = 0; game < 300; ++game) {
            Bits board = kStart;
            for (;;) {
                std::vector<JumpMask> legal;
                for (const JumpMask& j : jumpMasks())
                    if (jumpPossible(board, j))
                        legal.push_back(j);
                if (legal.empty())
                    break;
                board = afterJump(board, legal[rng() % legal.size()]);
                if (std::popcount(board) <= 12) {
                    QCOMPARE(engine.canFinishInCentre(board), searchFinish(board, seen));
                }
            }
        }
    }

    void noHintWithoutAJumpOrInTheWrongClass() {
        const HintEngine engine(file->table());
        QVERIFY(!engine.hint(0));
        QVERIFY(!engine.hint(bitOf(kCentre)));       // already won
        QVERIFY(!engine.hint(bitOf(2) | bitOf(46))); // stuck
        QVERIFY(!engine.hint(kAllHoles));            // full board: no jump at all
        // one marble moved off the centre's class: c1 alone can never come back to d4
        QVERIFY(!engine.canFinishInCentre(bitOf(2)));
        QVERIFY(engine.canFinishInCentre(kStart));
    }

    // pebblenix-solve: its exit status and what it prints, for each kind of input.
    void theSolveTool_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("language"); // LANGUAGE; "C" sets LC_ALL=C instead
        const QString table = findSolutionFile(QCoreApplication::applicationDirPath());
        const QByteArray start = formatGameFile(newGamePosition());
        const QByteArray lost = gameFileWith({2, 3, 46});
        QTest::newRow("start") << start << table << 0 << "1 marble left, in the centre."
                               << "C";
        QTest::newRow("lost") << lost << table << 1 << "No finish"
                              << "C";
        QTest::newRow("bad file") << QByteArray("2\r\n") << table << 2
                                  << "You have provided an invalid file format\n"
                                  << "C";
        QTest::newRow("no table") << start << dir.filePath("none.bin") << 3 << "cannot be read"
                                  << "C";
        QTest::newRow("FIFO file") << QByteArray("fifo") << table << 2 << "not a regular file"
                                   << "C";
        QTest::newRow("FIFO table") << start << "fifo" << 3 << "not a regular file"
                                    << "C";
        QTest::newRow("in French")
            << lost << table << 1 << "D’ici, la dernière bille ne peut plus finir au centre."
            << "fr:de";
        QTest::newRow("English first") << lost << table << 1 << "No finish"
                                       << "en_GB:fr";
        QTest::newRow("Brazilian") << start << table << 0 << "1 bolinha restante"
                                   << "pt_BR";
    }
    void theSolveTool() {
        QFETCH(QByteArray, file);
        QFETCH(QString, table);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(QString, language);
        QFile::remove(dir.filePath("game.pnx"));
        QFile::remove(dir.filePath("fifo"));
        mkfifo(QFile::encodeName(dir.filePath("fifo")), 0600);
        if (table == "fifo")
            table = dir.filePath("fifo");
        if (file == "fifo")
            QVERIFY(QFile::link(dir.filePath("fifo"), dir.filePath("game.pnx")));
        else
            writeAll(dir.filePath("game.pnx"), file);
        QProcess p;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_SOLUTIONS", table);
        env.remove("LANGUAGE");
        env.insert(language == "C" ? "LC_ALL" : "LANGUAGE", language);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PEBBLENIX_SOLVE_PATH), {dir.filePath("game.pnx")});
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
