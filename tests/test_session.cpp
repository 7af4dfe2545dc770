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
        QTest::addColumn<QString>("seen");    // boardChanged, gameEnded, games recorded
        QTest::newRow("a pick") << newGamePosition() << QList<int>{10} << true << "0 - 0";
        QTest::newRow("a jump") << newGamePosition() << QList<int>{10, 24} << true << "1 - 0";
        QTest::newRow("won") << positionWith({22, 23}, "087") << QList<int>{22, 24} << true
                             << "1 won 1";
        QTest::newRow("off centre") << positionWith({2, 3}) << QList<int>{2, 4} << true
                                    << "1 off 1";
        QTest::newRow("no jump left, no message")
            << positionWith({2, 3, 46}) << QList<int>{2, 4} << true << "1 - 1";
        QTest::newRow("no undo file, no jump")
            << positionWith({22, 23}) << QList<int>{22, 24} << false << "0 - 0";
    }
    void clicks() {
        QFETCH(Position, start);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, undoFolder);
        QFETCH(QString, seen);
        QTemporaryDir dir;
        writeAll(dir.filePath("start.pnx"), formatGameFile(start));
        HintService engine(dir.filePath("no table"));
        RecordsFile records(dir.filePath("records.txt"));
        GameSession session(engine, records);
        session.setUndoFolder({undoFolder ? dir.path() : dir.filePath("gone")});
        QVERIFY(session.open(dir.filePath("start.pnx")).position);
        QSignalSpy board(&session, &GameSession::boardChanged);
        QSignalSpy ended(&session, &GameSession::gameEnded);
        Result last;
        for (int cell : clicks)
            last = session.click(cell);
        const QString outcome = ended.isEmpty() ? "-"
                                : ended[0][0].value<Outcome>() == Outcome::Won ? "won"
                                                                               : "off";
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(board.size()).arg(outcome).arg(records.read().played),
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
