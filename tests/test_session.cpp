// A game session without a window: what a click does to the undo file, the records and the
// signals a window follows, and a session whose undo file cannot be written.

#include "files/recordsfile.h"
#include "session/gamesession.h"
#include "session/hintservice.h"
#include "tests/support.h"

#include <QSignalSpy>

using namespace pebblenix;
using namespace pebblenix::test;

class TestSession : public QObject {
    Q_OBJECT
    PrivateFolders folders;

private slots:
    void clicks_data() {
        QTest::addColumn<Position>("start"); // opened from a file
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("undoFolder"); // false: it has gone
        QTest::addColumn<bool>("tell");       // Tell Me When It Ends
        // boardChanged, gameEnded, games recorded, the marbles a dead end tells of, the clock
        QTest::addColumn<QString>("seen");
        const QList<int> won{22, 24}, offCentre{2, 4};
        const Position deadEnd = positionWith({2, 3, 46});
        QTest::newRow("a pick") << newGamePosition() << QList<int>{10} << true << false
                                << "0 - 0 - runs";
        QTest::newRow("a jump") << newGamePosition() << QList<int>{10, 24} << true << true
                                << "1 - 0 - runs";
        QTest::newRow("won") << positionWith({22, 23}, "087") << won << true << false
                             << "1 won 1 - runs";
        QTest::newRow("off centre")
            << positionWith({2, 3}) << offCentre << true << false << "1 off 1 - runs";
        QTest::newRow("no jump left, no message")
            << deadEnd << offCentre << true << false << "1 - 1 - runs";
        QTest::newRow("no undo file, no jump")
            << positionWith({22, 23}) << won << false << true << "0 - 0 - runs";
        QTest::newRow("told: won")
            << positionWith({22, 23}) << won << true << true << "1 won 1 - stops";
        QTest::newRow("told: off centre")
            << positionWith({2, 3}) << offCentre << true << true << "1 off 1 - stops";
        // a click on a marble after the end leaves the clock stopped
        QTest::newRow("told: no jump left")
            << deadEnd << QList<int>{2, 4, 46} << true << true << "1 - 1 2 stops";
        // a file with no jump in it is told as it opens, and a click does not start the clock
        QTest::newRow("told: opened at a dead end")
            << positionWith({2, 46}) << QList<int>{2} << true << true << "0 - 0 2 stops";
    }
    void clicks() {
        QFETCH(Position, start);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, undoFolder);
        QFETCH(bool, tell);
        QFETCH(QString, seen);
        QTemporaryDir dir;
        writeAll(dir.filePath("start.pnx"), formatGameFile(start));
        HintService engine(dir.filePath("no table"));
        RecordsFile records(dir.filePath("records.txt"));
        GameSession session(engine, records);
        session.setUndoFolder({undoFolder ? dir.path() : dir.filePath("gone")});
        session.setTellWhenItEnds(tell);
        QSignalSpy told(&session, &GameSession::noJumpLeft);
        QVERIFY(session.open(dir.filePath("start.pnx")).position);
        QSignalSpy board(&session, &GameSession::boardChanged);
        QSignalSpy ended(&session, &GameSession::gameEnded);
        Result last;
        for (int cell : clicks)
            last = session.click(cell);
        const QString outcome = ended.isEmpty()                                ? "-"
                                : ended[0][0].value<Outcome>() == Outcome::Won ? "won"
                                                                               : "off";
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(board.size())
                     .arg(outcome)
                     .arg(records.read().played)
                     .arg(told.isEmpty() ? "-" : told[0][0].toString())
                     .arg(session.game().clockRunning() ? "runs" : "stops"),
                 seen);
        QCOMPARE(last.outcome == Outcome::Refused, !undoFolder);
        if (!undoFolder)
            QVERIFY(last.reason.startsWith("The move was not made, because the undo file"));
        else if (board.size())
            QCOMPARE(readAll(session.undoFile()), formatGameFile(start)); // the position before
        QCOMPARE(session.fileName(), dir.filePath("start.pnx"));
    }

    // A game started as a problem or a day goes to its own records, only when it is solved; a
    // board set up by hand, or any game after an Open, goes to the main ones. An Undo straight
    // after Open takes the challenge back with its game.
    void challenges_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Position>("start");
        // jumps "from>to", then "open" (a new game's board) or "reopen" (the same board) from
        // a file, "undo", and "other": another copy leaves the board in the undo file
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("records");
        const Position won = positionWith({22, 23}), lost = positionWith({2, 3}),
                       twoJumps = positionWith({10, 15, 16});
        const int problem = int(Challenge::Kind::Problem), day = int(Challenge::Kind::Daily);
        const QString solvedTwice = "2\nplayed 0\ncentre-finishes 0\nproblem cross unaided 2 ",
                      main = "1\nplayed 1\ncentre-finishes 1\n";
        QTest::newRow("a problem") << problem << won << "22>24"
                                   << "2\nplayed 0\ncentre-finishes 0\nproblem cross unaided 1 ";
        QTest::newRow("a problem not solved") << problem << lost << "2>4"
                                              << "";
        QTest::newRow("a day") << day << won << "22>24"
                               << "2\nplayed 0\ncentre-finishes 0\ndaily-streak 1 2025-03-01\n";
        QTest::newRow("a day not solved") << day << lost << "2>4"
                                          << "";
        QTest::newRow("a board set up") << int(Challenge::Kind::SetUp) << won << "22>24" << main;
        QTest::newRow("a problem, then Open") << problem << won << "reopen 22>24" << main;
        QTest::newRow("a jump, then Open")
            << problem << twoJumps << "15>17 reopen 15>17 10>24" << main;
        QTest::newRow("Open, then Undo")
            << problem << twoJumps << "15>17 open undo 15>17 10>24" << solvedTwice;
        QTest::newRow("Open, a jump, then Undo")
            << problem << twoJumps << "15>17 open 10>24 undo other undo 15>17 10>24" << main;
    }
    void challenges() {
        QFETCH(int, kind);
        QFETCH(Position, start);
        QFETCH(QString, steps);
        QFETCH(QString, records);
        QTemporaryDir dir;
        HintService engine(dir.filePath("no table"));
        RecordsFile file(dir.filePath("records.txt"));
        GameSession session(engine, file);
        session.setUndoFolder({dir.path()});
        session.start(start, {Challenge::Kind(kind), "cross", QDate(2025, 3, 1), "Cross"});
        QVERIFY(session.challenge() && session.fileName().isEmpty());
        for (const QString& step : steps.split(' ')) {
            if (step.endsWith("open")) {
                const QString path = dir.filePath(step + ".pnx");
                writeAll(path, formatGameFile(step == "open" ? newGamePosition() : start));
                QVERIFY(session.open(path).position && !session.challenge());
            } else if (step == "other") {
                writeAll(session.undoFile(), formatGameFile(start));
            } else if (step == "undo") {
                QVERIFY(session.undo().position);
            } else {
                const QStringList cells = step.split('>');
                const Outcome o = session.jump(cells[0].toInt(), cells[1].toInt()).outcome;
                QVERIFY2(o >= Outcome::Jumped && o <= Outcome::LastMarbleOffCentre,
                         qPrintable(step));
            }
        }
        const QString text = readAll(dir.filePath("records.txt"));
        QVERIFY2(records.isEmpty() ? text.isEmpty()
                                   : text.startsWith("Pebblenix records " + records),
                 qPrintable(text));
    }

    // A folder made for one session alone goes with it, its undo file too.
    void aFreshUndoFolderGoesWithTheSession() {
        QTemporaryDir dir;
        HintService engine(dir.filePath("no table"));
        RecordsFile records(dir.filePath("records.txt"));
        const QString fresh = dir.filePath("fresh");
        QDir().mkdir(fresh);
        {
            GameSession session(engine, records);
            session.setUndoFolder({fresh, true});
            session.click(10);
            session.click(24);
            QVERIFY(QFile::exists(session.undoFile()));
        }
        QVERIFY(!QFileInfo::exists(fresh));
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
