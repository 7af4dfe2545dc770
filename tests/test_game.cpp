// The rules as a player meets them, through the game model: selecting, jumping, the end
// of the game, the count, the clock, and the jump list that Undo and Rewind work on.

#include "game/game.h"
#include "tests/support.h"

using namespace pebblenix;

namespace {

Game gameWith(std::initializer_list<int> marbles, quint8 count) {
    Position p;
    for (int c : marbles)
        p.marbles[static_cast<std::size_t>(c)] = true;
    p.clock = QStringLiteral("120");
    p.count = count;
    p.countText = QString::number(count);
    Game g;
    g.setPosition(p);
    return g;
}

int marblesOn(const Game& g) {
    return static_cast<int>(std::count(g.marbles().begin(), g.marbles().end(), true));
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void clicks_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("outcome");  // of the last click
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<int>("marbles");
        QTest::newRow("the empty centre") << QList<int>{24} << int(Outcome::Nothing) << -1 << 32;
        QTest::newRow("select") << QList<int>{10} << int(Outcome::Selected) << 10 << 32;
        QTest::newRow("down over d3") << QList<int>{10, 24} << int(Outcome::Jumped) << -1 << 31;
        QTest::newRow("right") << QList<int>{22, 24} << int(Outcome::Jumped) << -1 << 31;
        QTest::newRow("left") << QList<int>{26, 24} << int(Outcome::Jumped) << -1 << 31;
        QTest::newRow("up") << QList<int>{38, 24} << int(Outcome::Jumped) << -1 << 31;
        QTest::newRow("same marble again")
            << QList<int>{10, 10} << int(Outcome::Deselected) << -1 << 32;
        QTest::newRow("another marble")
            << QList<int>{10, 16} << int(Outcome::Deselected) << -1 << 32;
        QTest::newRow("then it") << QList<int>{10, 16, 16} << int(Outcome::Selected) << 16 << 32;
        QTest::newRow("distance one")
            << QList<int>{10, 24, 23, 24} << int(Outcome::Deselected) << -1 << 31;
        QTest::newRow("distance three")
            << QList<int>{10, 24, 3, 24} << int(Outcome::Deselected) << -1 << 31;
        QTest::newRow("diagonal") << QList<int>{10, 24, 26, 10} << int(Outcome::Deselected) << -1
                                  << 31;
        QTest::newRow("over a hole")
            << QList<int>{10, 24, 3, 17} << int(Outcome::Deselected) << -1 << 31;
        // 20 and 22 differ by two but lie on different rows
        QTest::newRow("across a row end")
            << QList<int>{22, 24, 20, 22} << int(Outcome::Deselected) << -1 << 31;
    }
    void clicks() {
        QFETCH(QList<int>, clicks);
        QFETCH(int, outcome);
        QFETCH(int, selected);
        QFETCH(int, marbles);
        Game g;
        Result r;
        for (int c : clicks)
            r = g.click(c);
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(g.selection().value_or(-1), selected);
        QCOMPARE(marblesOn(g), marbles);
        QCOMPARE(int(g.count()), marbles);
        QCOMPARE(g.countText(), QString::number(marbles));
        QVERIFY(g.clockRunning());
    }

    void theEndOfTheGame_data() {
        QTest::addColumn<QList<int>>("marbles");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("outcome");
        QTest::newRow("won") << QList<int>{10, 17} << 2 << int(Outcome::Won);
        QTest::newRow("off centre") << QList<int>{2, 3} << 2 << int(Outcome::LastMarbleOffCentre);
        QTest::newRow("count decides")
            << QList<int>{2, 3, 46} << 2 << int(Outcome::LastMarbleOffCentre);
        QTest::newRow("three left") << QList<int>{2, 3, 46} << 3 << int(Outcome::Jumped);
        QTest::newRow("floor at zero") << QList<int>{2, 3} << 0 << int(Outcome::Jumped);
    }
    void theEndOfTheGame() {
        QFETCH(QList<int>, marbles);
        QFETCH(int, count);
        QFETCH(int, outcome);
        Position p;
        for (int c : marbles)
            p.marbles[static_cast<std::size_t>(c)] = true;
        p.count = static_cast<quint8>(count);
        Game g;
        g.setPosition(p);
        const int to = marbles.first() == 10 ? 24 : 4;
        QCOMPARE(int(g.jump(marbles.first(), to).outcome), outcome);
        QCOMPARE(int(g.count()), std::max(0, count - 1));
    }

    // A selection made before an Open must not jump from a cell that is now empty.
    void aStaleSelectionCannotMakeAMarble() {
        Game g;
        g.click(10);
        g.setPosition(gameWith({17, 31}, 2).position());
        QCOMPARE(g.selection(), std::optional<int>(10)); // the selection stays in force
        QCOMPARE(int(g.click(24).outcome), int(Outcome::Deselected));
        QVERIFY(!g.hasMarble(24));
        QCOMPARE(int(g.count()), 2);
    }

    void aRefusedJumpChangesNothing() {
        Game g;
        g.click(10);
        const Position before = g.position();
        const Result r = g.click(24, [](const Position&) { return QStringLiteral("disk full"); });
        QCOMPARE(int(r.outcome), int(Outcome::Refused));
        QCOMPARE(r.reason, QStringLiteral("disk full"));
        QVERIFY(g.position() == before);
        QVERIFY(!g.selection());
        QVERIFY(g.jumps().empty());
    }

    void theUndoPositionIsTheOneBeforeTheJump() {
        Game g;
        std::optional<Position> saved;
        const BeforeJump save = [&](const Position& p) {
            saved = p;
            return std::optional<QString>();
        };
        g.tick();
        g.click(10);
        g.click(24, save);
        QVERIFY(saved && saved->marbles == startPosition());
        QCOMPARE(saved->clock, QStringLiteral("119"));
    }

    // Undo restores what the undo file holds; the jump list follows when it can.
    void theJumpListFollowsUndo() {
        Game g;
        g.jump(10, 24); // A
        const Position afterA = g.position();
        g.jump(31, 17); // B
        g.restore(afterA);
        QCOMPARE(g.jumps(), (std::vector<Move>{{10, 24}}));
        g.restore(afterA); // the same file read again: the list stands
        QCOMPARE(g.jumps().size(), std::size_t(1));
        Position other = newGamePosition(); // another copy's position
        other.marbles[3] = false;
        g.restore(other);
        QVERIFY(g.jumps().empty());
        QCOMPARE(g.firstPosition(), other.marbles);
    }

    void theClock() {
        Game g;
        QVERIFY(!g.clockRunning());
        for (int i = 0; i < 21; ++i)
            g.tick();
        QCOMPARE(g.clock(), QStringLiteral("099"));
        g.select(10); // a hint's selection does not start the clock
        QVERIFY(!g.clockRunning());
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
