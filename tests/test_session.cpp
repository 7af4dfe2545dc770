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
        QVERIFY(session.open(dir.filePath("start.pnx")).position);
        QSignalSpy board(&session, &GameSession::boardChanged);
        QSignalSpy ended(&session, &GameSession::gameEnded);
        QSignalSpy told(&session, &GameSession::noJumpLeft);
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
