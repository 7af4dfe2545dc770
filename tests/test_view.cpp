// What the window shows, decided without a window: Show Jumps' marks, the zoom steps a
// screen has room for, and where a window stands on a screen.

#include "game/game.h"
#include "tests/support.h"
#include "view/jumpmarks.h"
#include "view/zoom.h"

using namespace pebblenix;
using namespace pebblenix::test;

class TestView : public QObject {
    Q_OBJECT
private slots:
    // The marks of the picked-up marble, as "cell:mark" for each marked hole (L legal,
    // K keeps the centre finish, X loses it).
    void jumpMarks_data() {
        QTest::addColumn<int>("played"); // jumps of kLosesAtFive made first
        QTest::addColumn<int>("picked"); // -1: none
        QTest::addColumn<bool>("table");
        QTest::addColumn<QString>("marks");
        QTest::newRow("nothing picked up") << 0 << -1 << true << "";
        QTest::newRow("no table: legal only") << 0 << 10 << false << "24:L";
        QTest::newRow("keeps and loses") << 4 << 24 << true << "22:X 38:K";
        QTest::newRow("nowhere to go") << 0 << 24 << true << "";
    }
    void jumpMarks() {
        QFETCH(int, played);
        QFETCH(int, picked);
        QFETCH(bool, table);
        QFETCH(QString, marks);
        Game g = losingGame(std::size_t(played));
        const JumpMarks m =
            pebblenix::jumpMarks(g.marbles(), picked < 0 ? std::nullopt : std::optional(picked),
                                 table ? &tableEngine() : nullptr);
        QStringList shown;
        for (int i = 0; i < kCells; ++i)
            if (const JumpMark k = m[std::size_t(i)]; k != JumpMark::None)
                shown << QStringLiteral("%1:%2").arg(i).arg("?LKX"[int(k)]);
        QCOMPARE(shown.join(' '), marks);
        QCOMPARE(showsVerdict(m), marks.contains('K') || marks.contains('X'));
    }

    // A window of 389 x 308 pixels at 100 %: the steps a screen has room for, and the keys.
    void zoomSteps_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("largestInOut"); // the largest step, Zoom In, Zoom Out
        QTest::newRow("room for 200 %") << QSize(1000, 700) << 100 << QList<int>{200, 125, 100};
        QTest::newRow("at the largest") << QSize(1000, 700) << 200 << QList<int>{200, 200, 150};
        QTest::newRow("narrow and tall") << QSize(600, 1000) << 100 << QList<int>{150, 125, 100};
        QTest::newRow("exactly 125 %") << QSize(487, 385) << 125 << QList<int>{125, 125, 100};
        // a 250 % window moved to a smaller screen neither steps down nor up on Zoom In
        QTest::newRow("past the largest") << QSize(800, 600) << 250 << QList<int>{150, 250, 200};
        // a screen smaller than the window: no step is used that cannot fit, 100 % stays
        QTest::newRow("320 x 240") << QSize(320, 240) << 100 << QList<int>{100, 100, 100};
    }
    void zoomSteps() {
        QFETCH(QSize, room);
        QFETCH(int, current);
        QFETCH(QList<int>, largestInOut);
        const int largest =
            largestZoom(room, [](int step) { return QSize(389, 308) * step / 100; });
        QCOMPARE((QList<int>{largest, zoomIn(current, largest), zoomOut(current)}), largestInOut);
    }

    // Where a window's frame goes: pulled back inside the screen's free area when a step
    // grew it past an edge, and a new one centred, its title and menu bars always inside.
    void onTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<QPoint>("pulled");
        QTest::addColumn<QPoint>("centred");
        const QRect screen(0, 0, 1000, 700);
        QTest::newRow("inside") << QRect(10, 10, 389, 308) << screen << QPoint() << QPoint(305, 196);
        QTest::newRow("past the right and bottom")
            << QRect(800, 500, 389, 308) << screen << QPoint(-189, -108) << QPoint(305, 196);
        QTest::newRow("past the top left, below a panel")
            << QRect(-20, 10, 389, 308) << QRect(0, 32, 1000, 668) << QPoint(20, 22)
            << QPoint(305, 212);
        QTest::newRow("larger than a 320 x 240 screen")
            << QRect(-35, -34, 389, 308) << QRect(0, 0, 320, 240) << QPoint(35, 34) << QPoint();
    }
    void onTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QRect, room);
        QFETCH(QPoint, pulled);
        QFETCH(QPoint, centred);
        QCOMPARE(pullInside(frame, room), pulled);
        QCOMPARE(centredIn(frame.size(), room), centred);
    }
};

QTEST_GUILESS_MAIN(TestView)
#include "test_view.moc"
