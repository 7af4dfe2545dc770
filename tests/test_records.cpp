// The winning line from a board, the end of a game as the model sees it, the records kept
// from finished games, and the records file: its format, a file that cannot be used, and
// two copies of the game writing at once.

#include "files/recordsfile.h"
#include "game/bitboard.h"
#include "game/winningline.h"
#include "tests/support.h"

#include <QLockFile>
#include <QSignalSpy>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// "1 centre 33s", "2 off over helped", "1 centre 9s 20moves": a finish in a line.
QString describe(const Finish& f) {
    return QStringLiteral("%1 %2 %3%4%5")
        .arg(f.marblesLeft)
        .arg(f.inCentre ? "centre" : "off")
        .arg(f.secondsUsed ? QString::number(*f.secondsUsed) + "s" : "over")
        .arg(f.assisted ? " helped" : "")
        .arg(f.moves ? QStringLiteral(" %1moves").arg(*f.moves) : "");
}

Finish finish(const char* text) { // the reverse of describe()
    const QStringList w = QString::fromLatin1(text).split(' ');
    const QString moves = w.last().endsWith("moves") ? w.last().chopped(5) : QString();
    return {w[0].toInt(), w[1] == "centre",
            w[2] == "over" ? std::nullopt : std::optional(w[2].chopped(1).toInt()),
            w.contains("helped"), moves.isEmpty() ? std::nullopt : std::optional(moves.toInt())};
}

const QDate kDay(2025, 3, 1);

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    const HintEngine* engine = &tableEngine();

private slots:
    // Every jump of the line can be made and the last leaves one marble in the centre;
    // after its first jump, the line from the new board is the rest of it.
    void aWinningLine_data() {
        QTest::addColumn<int>("played"); // jumps of kLosesAtFive made first
        QTest::addColumn<int>("length"); // -1: no line
        QTest::newRow("from the start") << 0 << 31;
        QTest::newRow("mid-game") << 4 << 27;
        QTest::newRow("lost") << 5 << -1;
    }
    void aWinningLine() {
        QFETCH(int, played);
        QFETCH(int, length);
        Game g = losingGame(std::size_t(played));
        const auto line = pebblenix::winningLine(g.marbles(), *engine);
        QCOMPARE(line ? int(line->size()) : -1, length);
        if (!line)
            return;
        Game after = g;
        after.jump(line->front().from, line->front().to);
        QCOMPARE(*pebblenix::winningLine(after.marbles(), *engine),
                 std::vector<Jump>(line->begin() + 1, line->end()));
        for (const Jump& m : *line)
            QVERIFY(g.jump(m.from, m.to).outcome != Outcome::Deselected);
        QCOMPARE(toBits(g.marbles()), bitOf(kCentre));
        QVERIFY(pebblenix::winningLine(g.marbles(), *engine)->empty()); // already finished
    }

    // The jumps that end a game, told once each: one marble left, or no jump left.
    void theEndOfAGame_data() {
        QTest::addColumn<Position>("start");
        QTest::addColumn<QString>("script"); // jumps "from>to", "hint", "rewind", "undo"
        QTest::addColumn<QStringList>("finishes");
        QTest::newRow("centre win")
            << positionWith({22, 23}, "087") << "22>24" << QStringList{"1 centre 33s"};
        QTest::newRow("off centre") << positionWith({2, 3}) << "2>4" << QStringList{"1 off 0s"};
        QTest::newRow("no jump left")
            << positionWith({2, 3, 46}, "TimeOut!!") << "2>4" << QStringList{"2 off over"};
        QTest::newRow("not yet the end") << positionWith({22, 23, 31}) << "22>24" << QStringList{};
        QTest::newRow("after a hint")
            << positionWith({22, 23}) << "hint 22>24" << QStringList{"1 centre 0s helped"};
        QTest::newRow("rewound and won again") << positionWith({22, 23}) << "22>24 rewind 22>24"
                                               << QStringList{"1 centre 0s", "1 centre 0s helped"};
        QTest::newRow("undone and ended again")
            << positionWith({2, 3}) << "2>4 undo 2>4" << QStringList{"1 off 0s", "1 off 0s"};
        // the count line says two: the end comes at one, with the three marbles on the board,
        // and jumps after it do not count
        QTest::newRow("counted once")
            << positionWith({2, 3, 16, 23}, "120", "2") << "2>4 16>30" << QStringList{"3 off 0s"};
    }
    void theEndOfAGame() {
        QFETCH(Position, start);
        QFETCH(QString, script);
        QFETCH(QStringList, finishes);
        Game g;
        g.setPosition(start);
        g.markAssisted(); // an earlier game's help does not pass to an opened one
        g.setPosition(start);
        std::optional<Position> saved;
        const BeforeJump keep = [&saved](const Position& p) { return saved = p, std::nullopt; };
        QStringList told;
        for (const QString& step : script.split(' ')) {
            if (step == "hint")
                g.markAssisted();
            else if (step == "rewind")
                g.rewind(0, keep);
            else if (step == "undo")
                g.restore(*saved);
            else if (const auto r = g.jump(step.section('>', 0, 0).toInt(),
                                           step.section('>', 1).toInt(), keep);
                     r.finished)
                told << describe(*r.finished);
        }
        QCOMPARE(told, finishes);
    }

    // Bests kept apart with and without help, the ones with help shown where they beat
    // the others; the records file as written.
    void keepingRecords_data() {
        QTest::addColumn<QStringList>("finishes"); // one a day from kDay
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shownWithHelp");
        const QByteArray head = "Pebblenix records 1\n";
        QTest::newRow("a centre win") << QStringList{"1 centre 33s"}
                                      << head + "played 1\ncentre-finishes 1\nbest 1 2025-03-01 "
                                                "centre\nfastest 33 2025-03-01\n"
                                      << "";
        QTest::newRow("fewer marbles is better, ties stay")
            << QStringList{"3 off 10s", "1 off 20s", "1 off 5s"}
            << head + "played 3\ncentre-finishes 0\nbest 1 2025-03-02\n"
            << "";
        QTest::newRow("the centre beats off centre, any time beats over time")
            << QStringList{"1 off 10s", "1 centre over", "1 centre 90s", "1 centre 95s"}
            << head + "played 4\ncentre-finishes 3\nbest 1 2025-03-02 centre\n"
                      "fastest 90 2025-03-03\n"
            << "";
        QTest::newRow("a later finish over time does not replace an earlier one")
            << QStringList{"1 centre over", "1 centre over"}
            << head + "played 2\ncentre-finishes 2\nbest 1 2025-03-01 centre\n"
                      "fastest over 2025-03-01\n"
            << "";
        QTest::newRow("help never replaces a best without")
            << QStringList{"4 off 10s", "1 centre 10s helped"}
            << head + "played 2\ncentre-finishes 1\nbest 4 2025-03-01\n"
                      "best-with-help 1 2025-03-02 centre\nfastest-with-help 10 2025-03-02\n"
            << "best fastest";
        QTest::newRow("help shown only where it beats")
            << QStringList{"1 centre 80s", "1 centre 5s helped"}
            << head + "played 2\ncentre-finishes 2\nbest 1 2025-03-01 centre\n"
                      "fastest 80 2025-03-01\nbest-with-help 1 2025-03-02 centre\n"
                      "fastest-with-help 5 2025-03-02\n"
            << "fastest";
        // a file with nothing new stays version 1, which an older copy of the game reads
        const QByteArray head2 = "Pebblenix records 2\n";
        QTest::newRow("fewest moves, fewer is better, help apart")
            << QStringList{"1 centre 90s 22moves", "1 centre 80s 20moves", "1 centre 70s 20moves",
                           "1 centre 60s helped 19moves", "1 centre 60s helped 21moves"}
            << head2 + "played 5\ncentre-finishes 5\nbest 1 2025-03-01 centre\n"
                       "fastest 70 2025-03-03\nfewest-moves 20 2025-03-02\n"
                       "best-with-help 1 2025-03-04 centre\nfastest-with-help 60 2025-03-04\n"
                       "fewest-moves-with-help 19 2025-03-04\n"
            << "fastest moves";
    }
    void keepingRecords() {
        QFETCH(QStringList, finishes);
        QFETCH(QByteArray, file);
        QFETCH(QString, shownWithHelp);
        Records r;
        for (qsizetype i = 0; i < finishes.size(); ++i)
            r.add(finish(qPrintable(finishes[i])), kDay.addDays(i));
        QCOMPARE(formatRecords(r), file);
        QCOMPARE(parseRecords(file), std::optional(r));
        QStringList shown;
        if (r.bestWithHelpShown())
            shown << "best";
        if (r.fastestWithHelpShown())
            shown << "fastest";
        if (r.fewestMovesWithHelpShown())
            shown << "moves";
        QCOMPARE(shown.join(' '), shownWithHelp);
    }

    // Each problem solved, kept apart with and without help, fewer moves better and the
    // first of equals kept; the days of Today's Problem solved in a row, a day solved twice
    // counted once, a day missed starting a new run; as written and read back.
    void problemsAndDays_data() {
        QTest::addColumn<QStringList>("solved"); // one a day from kDay: "cross 5 [helped]",
                                                 // or "day N", the problem of kDay + N
        QTest::addColumn<QByteArray>("lines");   // after played and centre-finishes
        QTest::addColumn<QString>("streak");     // on the last day solved and two days later
        QTest::newRow("problems")
            << QStringList{"cross 6", "cross 5", "cross 5", "cross 4 helped", "plus 9 helped"}
            << QByteArray("problem cross unaided 5 2025-03-02\nproblem cross with-help 4 "
                          "2025-03-04\nproblem plus with-help 9 2025-03-05\n")
            << "0 0";
        QTest::newRow("days in a row, one solved twice")
            << QStringList{"day 0", "day 1", "day 1", "day 2"}
            << QByteArray("daily-streak 3 2025-03-03\ndaily-best 3\n") << "3 0";
        QTest::newRow("a day missed")
            << QStringList{"day 0", "day 1", "day 3"}
            << QByteArray("daily-streak 1 2025-03-04\ndaily-best 2\n") << "1 0";
        QTest::newRow("an earlier day changes nothing")
            << QStringList{"day 2", "day 1"}
            << QByteArray("daily-streak 1 2025-03-03\ndaily-best 1\n") << "1 0";
    }
    void problemsAndDays() {
        QFETCH(QStringList, solved);
        QFETCH(QByteArray, lines);
        QFETCH(QString, streak);
        Records r;
        for (qsizetype i = 0; i < solved.size(); ++i) {
            const QStringList w = solved[i].split(' ');
            if (w[0] == "day")
                r.addDay(kDay.addDays(w[1].toInt()));
            else
                r.addProblem(w[0], w.size() > 2 ? Assisted : Unaided, w[1].toInt(),
                             kDay.addDays(i));
        }
        const QByteArray file = "Pebblenix records 2\nplayed 0\ncentre-finishes 0\n" + lines;
        QCOMPARE(formatRecords(r), file);
        QCOMPARE(parseRecords(file), std::optional(r));
        QCOMPARE(QStringLiteral("%1 %2")
                     .arg(r.streakOn(r.daily.last))
                     .arg(r.streakOn(r.daily.last.addDays(2))),
                 streak);
    }

    void damagedTextsAreRefused_data() {
        QTest::addColumn<QByteArray>("text");
        for (const char* line :
             {"played -1", "played 1x", "played 1\nplayed 2", "centre-finishes 2", "colour 5",
              "best 2 2025-03-01 centre", "best 1 2025-02-30", "fastest 121 2025-03-01",
              "fastest soon 2025-03-01", "best 1  2025-03-01"})
            QTest::newRow(QByteArray(line).replace('\n', '|'))
                << "Pebblenix records 1\n" + QByteArray(line) + "\n";
        for (const char* line :
             {"fewest-moves 17 2025-03-01", "fewest-moves 32 2025-03-01",
              "fewest-moves-with-help 20", "problem Cross unaided 5 2025-03-01",
              "problem ../x unaided 5 2025-03-01", "problem cross helped 5 2025-03-01",
              "problem cross unaided 0 2025-03-01", "problem cross unaided 32 2025-03-01",
              "problem cross unaided 5 2025-03-01\nproblem cross unaided 6 2025-03-02",
              "problem aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa unaided 5 2025-03-01",
              "daily-streak 3 2025-03-01\ndaily-best 2", "daily-streak 3 2025-03-01",
              "daily-best 2", "daily-streak 0 2025-03-01\ndaily-best 2"})
            QTest::newRow(QByteArray(line).replace('\n', '|'))
                << "Pebblenix records 2\n" + QByteArray(line) + "\n";
        QTest::newRow("version 2's line in version 1")
            << QByteArray("Pebblenix records 1\nfewest-moves 18 2025-03-01\n");
        QTest::newRow("a problem in version 1")
            << QByteArray("Pebblenix records 1\nproblem cross unaided 5 2025-03-01\n");
        QTest::newRow("no header") << QByteArray("played 1\n");
        QTest::newRow("version 02") << QByteArray("Pebblenix records 02\nplayed 1\n");
        QTest::newRow("version 3") << QByteArray("Pebblenix records 3\nplayed 1\n");
    }
    void damagedTextsAreRefused() {
        QFETCH(QByteArray, text);
        QVERIFY(!parseRecords(text));
    }

    // What cannot be used at the records' name, at its lock's, or at the name QLockFile takes
    // to remove a stale lock is set aside beside it (told once for the records), and the game
    // is recorded in a fresh file; nothing is followed, blocked on or deleted.
    void aFileThatCannotBeUsed_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        for (const char* name : {"records.txt", "records.txt.lock"})
            for (const char* kind :
                 {"damaged", "link to a file", "dangling link", "link to a FIFO",
                  "link to /dev/zero", "FIFO", "folder", "another user's", "4 MiB"})
                if (kind != QLatin1String("damaged") || name == QLatin1String("records.txt"))
                    QTest::addRow("%s: %s", name, kind) << kind << name;
        QTest::newRow("a FIFO at the .rmlock of a stale lock") << "FIFO"
                                                               << "records.txt.lock.rmlock";
    }
    void aFileThatCannotBeUsed() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        if (kind == "another user's")
            SKIP_UNLESS_ROOT("a file of another user's");
        QTemporaryDir dir;
        const QString path = dir.filePath(name), victim = dir.filePath("theirs.txt");
        const QByteArray valid = "Pebblenix records 1\nplayed 7\ncentre-finishes 0\n",
                         at = QFile::encodeName(path);
        writeAll(victim, valid); // another's records, to be neither read nor written
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo")), 0600) == 0);
        QFile stale(dir.filePath("records.txt.lock")); // left long ago by a copy now gone
        if (name.endsWith("rmlock"))
            QVERIFY(stale.open(QIODevice::WriteOnly) &&
                    stale.setFileTime(QDateTime::fromSecsSinceEpoch(1),
                                      QFileDevice::FileModificationTime));
        const QString target = kind == "link to a file"  ? victim
                               : kind == "dangling link" ? dir.filePath("made")
                               : kind.contains("FIFO")   ? "fifo"
                                                         : "/dev/zero";
        int made = 0;
        if (kind.contains("link"))
            made = symlink(QFile::encodeName(target), at);
        else if (kind == "FIFO" || kind == "folder")
            made = kind == "FIFO" ? mkfifo(at, 0600) : mkdir(at, 0700);
        else
            writeAll(path, kind == "damaged" ? "Pebblenix records 1\nplayed lots\n"
                           : kind == "4 MiB" ? valid + QByteArray(4 << 20, '\n')
                                             : valid);
        if (kind == "another user's")
            made = lchown(at, getpwnam("nobody")->pw_uid, 0);
        QVERIFY(made == 0);
        alarm(60); // a blocking open would wait for ever: end the test instead
        RecordsFile file(dir.filePath("records.txt"));
        QSignalSpy told(&file, &RecordsFile::problem);
        bool held = false; // the lock, while the player is told
        connect(&file, &RecordsFile::problem,
                [&] { held |= !QLockFile(dir.filePath("records.txt.lock")).tryLock(0); });
        QCOMPARE(file.read().played, 0); // as Records… opens
        file.add(finish("1 centre 40s"), kDay);
        file.add(finish("5 off 50s"), kDay);
        alarm(0);
        QCOMPARE(told.size(), name == "records.txt" ? 1 : 0);
        QVERIFY(!held && (told.isEmpty() || told[0][0].toString().contains("set aside")));
        QCOMPARE(file.read().played, 2);
        QCOMPARE(readAll(victim), valid);
        QVERIFY(!QFile::exists(dir.filePath("made")));
        const QStringList aside =
            QDir(dir.path()).entryList({name + ".set-aside-*"}, QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), 1);
        struct stat st {};
        QVERIFY(lstat(QFile::encodeName(dir.filePath(aside[0])), &st) == 0);
        QCOMPARE(S_ISLNK(st.st_mode), kind.contains("link"));
    }

    // A file written by a newer copy of the game is neither damaged, nor set aside, nor
    // replaced by a game or a reset: told once, and no game is recorded.
    void aNewerFileIsLeftAlone() {
        QTemporaryDir dir;
        const QString path = dir.filePath("records.txt");
        const QByteArray newer = "Pebblenix records 3\nplayed 7\nsomething new\n";
        writeAll(path, newer);
        RecordsFile file(path);
        QSignalSpy told(&file, &RecordsFile::problem);
        QCOMPARE(file.read().played, 0);
        file.add(finish("1 centre 40s 18moves"), kDay);
        file.reset();
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0][0].toString().contains("newer version of Pebblenix"));
        QCOMPARE(readAll(path), newer);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"records.txt"});
    }

    // Records that cannot be written are told once, not after every game, with the reason.
    void recordsThatCannotBeWritten_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("why");
        QTest::newRow("a file where the folder should be") << false << "cannot be made.";
        QTest::newRow("a full disk") << true << ": " + qt_error_string(EFBIG) + ".";
    }
    void recordsThatCannotBeWritten() {
        QFETCH(bool, full);
        QFETCH(QString, why);
        QTemporaryDir dir;
        writeAll(dir.filePath("Pebblenix"), "a file where the folder should be");
        RecordsFile file(dir.filePath(full ? "records.txt" : "Pebblenix/records.txt"));
        QSignalSpy told(&file, &RecordsFile::problem);
        {
            FileSizeLimit limit(full ? 0 : ~quint64(0)); // no limit but on a full disk
            for (int game = 0; game < 2; ++game)
                file.add(finish("1 centre 40s"), kDay);
        }
        QCOMPARE(told.size(), 1);
        const QString text = told[0][0].toString();
        QVERIFY2(text.startsWith("Your records could not be written.") && text.endsWith(why),
                 qPrintable(text));
    }

    // Two copies of the game, each with its own store: a game that ends while the other
    // holds the lock waits, then both are kept.
    void twoCopiesLoseNoGame() {
        QTemporaryDir dir;
        const QString path = dir.filePath("records.txt");
        RecordsFile one(path), two(path);
        QLockFile busy(path + ".lock");
        QVERIFY(busy.lock()); // another copy in the middle of writing
        one.add(finish("3 off 30s"), kDay);
        two.add(finish("1 centre 20s"), kDay);
        QVERIFY(!QFile::exists(path)); // both wait
        busy.unlock();
        one.add(finish("2 off 10s"), kDay);
        QTRY_COMPARE(one.read().played, 3); // two's, once it tries again
        two.add(finish("4 off 10s"), kDay);
        const Records r = one.read();
        QCOMPARE(r.played, 4);
        QCOMPARE(r.centreFinishes, 1);
        QVERIFY(r.best[Unaided]->inCentre);
    }

    // Another running copy of the game, its records file damaged, tells the player so in a
    // box that stays open while this copy records a game: both games are kept. Or it ends
    // while this copy holds the lock: it tells of the game it could not record. Neither
    // starts a timer as it is taken down.
    void anotherCopy_data() {
        QTest::addColumn<bool>("box");
        QTest::newRow("its box open while this copy records") << true;
        QTest::newRow("ending while this copy holds the lock") << false;
    }
    void anotherCopy() {
        QFETCH(bool, box);
        QTemporaryDir dir;
        const QString path = dir.filePath("records.txt");
        QLockFile busy(path + ".lock");
        QVERIFY(box ? (writeAll(path, "damaged"), true) : busy.lock());
        QProcess other;
        other.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {"records", path});
        if (box && other.waitForReadyRead(20000)) // its box is open
            RecordsFile(path).add(finish("3 off 30s"), kDay);
        other.closeWriteChannel(); // the player closes the box
        QVERIFY(other.waitForFinished(20000) && other.exitCode() == 0);
        const QString out = other.readAllStandardOutput() + other.readAllStandardError();
        QVERIFY2(out.contains(box ? "set aside" : "games not recorded: 1") &&
                     !out.contains("Timer"),
                 qPrintable(out));
        QCOMPARE(RecordsFile(path).read().played, box ? 2 : 0);
    }
};

PEBBLENIX_TEST_MAIN(TestRecords, QCoreApplication)
#include "test_records.moc"
