// The board's geometry and the jump rule, without any window.

#include "game/board.h"
#include "tests/testsupport.h"

using namespace pebblenix;

namespace {
Marbles only(std::initializer_list<int> cells) {
    Marbles m{};
    for (int c : cells)
        m[static_cast<std::size_t>(c)] = true;
    return m;
}
} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void coordinates_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("top left") << 0 << 0 << 0;
        QTest::newRow("centre") << 24 << 3 << 3;
        QTest::newRow("bottom right") << 48 << 6 << 6;
        QTest::newRow("end of row 2") << 20 << 6 << 2;
        QTest::newRow("start of row 3") << 21 << 0 << 3;
    }
    void coordinates() {
        QFETCH(int, index);
        QFETCH(int, x);
        QFETCH(int, y);
        std::int16_t cx = -1, cy = -1;
        FindArrCoor(static_cast<std::int16_t>(index), cx, cy);
        QCOMPARE(cx, x);
        QCOMPARE(cy, y);
        QCOMPARE(FindIndex(cx, cy), index);
    }

    void offBoardCellsAreTheFourCorners() {
        int holes = 0;
        for (int i = 0; i < kCells; ++i)
            holes += isHole(i);
        QCOMPARE(holes, kHoles);
        for (int i : kOffBoardCells)
            QVERIFY2(isOffBoard(i), qPrintable(QString::number(i)));
        QVERIFY(isHole(kCentre));
        const Marbles start = startPosition();
        QCOMPARE(static_cast<int>(std::count(start.begin(), start.end(), true)), kStartMarbles);
        QVERIFY(!start[kCentre]);
    }

    // Each row: a board, a jump, and whether the rule takes it.
    void jumpRule_data() {
        QTest::addColumn<QList<int>>("marbles");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("legal");
        const auto all = [] {
            QList<int> l;
            for (int i = 0; i < kCells; ++i)
                if (startPosition()[static_cast<std::size_t>(i)])
                    l << i;
            return l;
        }();
        QTest::newRow("down over 17") << all << 10 << 24 << true;
        QTest::newRow("right over 23") << all << 22 << 24 << true;
        QTest::newRow("left over 25") << all << 26 << 24 << true;
        QTest::newRow("up over 31") << all << 38 << 24 << true;
        QTest::newRow("across the end of a row") << QList<int>{20, 21} << 20 << 22 << false;
        QTest::newRow("distance one") << all << 23 << 24 << false;
        QTest::newRow("distance three") << all << 21 << 24 << false;
        QTest::newRow("diagonal") << all << 10 << 26 << false;
        QTest::newRow("over an empty hole") << QList<int>{10} << 10 << 24 << false;
        QTest::newRow("onto itself") << all << 24 << 24 << false;
    }
    void jumpRule() {
        QFETCH(QList<int>, marbles);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, legal);
        Marbles m{};
        for (int c : marbles)
            m[static_cast<std::size_t>(c)] = true;
        QCOMPARE(ValidMove(m, from, to), legal);
    }

    // The old rule never looked at the ends; canJump does, so a stale selection cannot
    // make a marble out of an empty cell.
    void canJumpNeedsAMarbleAtTheStartAndAHoleAtTheEnd() {
        QVERIFY(ValidMove(only({17}), 10, 24));
        QVERIFY(!canJump(only({17}), 10, 24));
        QVERIFY(canJump(only({10, 17}), 10, 24));
        QVERIFY(!canJump(only({10, 17, 24}), 10, 24));
    }

    void theBoardHas76Jumps() {
        const auto& jumps = allJumps();
        for (const Jump& j : jumps) {
            QVERIFY(isHole(j.from) && isHole(j.over) && isHole(j.to));
            QCOMPARE(jumpedCell(j.from, j.to).value_or(-1), j.over);
        }
        // every pair the rule accepts between holes is in the list
        int pairs = 0;
        for (int a = 0; a < kCells; ++a)
            for (int b = 0; b < kCells; ++b)
                pairs += isHole(a) && isHole(b) && jumpedCell(a, b) && isHole(*jumpedCell(a, b));
        QCOMPARE(pairs, 76);
    }

    void cellNames() {
        QCOMPARE(QString(cellName(2).data()), QStringLiteral("c1"));
        QCOMPARE(QString(cellName(24).data()), QStringLiteral("d4"));
        QCOMPARE(QString(cellName(46).data()), QStringLiteral("e7"));
    }
};

PEBBLENIX_TEST_MAIN(TestBoard)
#include "test_board.moc"
