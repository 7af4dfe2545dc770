// The rules as a player meets them, through the game model: selecting, jumping, the end
// of the game, the count, the clock, and the jump list that Undo and Rewind work on.

#include "files/solutionfile.h"
#include "game/game.h"
#include "game/review.h"
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

// A line from the start whose fifth jump, d4 to b4, loses the centre finish.
const std::vector<Move> kLosesAtFive = {{38, 24}, {17, 31}, {22, 24}, {37, 23}, {24, 22}, {9, 23}};

Game played(const std::vector<Move>& jumps, Game g = Game()) {
    for (const Move& m : jumps)
        if (g.jump(m.from, m.to).outcome == Outcome::Deselected)
            qFatal("the test's line holds a jump the board does not allow");
    return g;
}

int marblesOn(const Game& g) {
    return static_cast<int>(std::count(g.marbles().begin(), g.marbles().end(), true));
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT
    std::unique_ptr<SolutionFile> table;
    std::unique_ptr<HintEngine> engine;

private slots:
    void initTestCase() {
        QString error;
        table = SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
        QVERIFY2(table, qPrintable(error));
        engine = std::make_unique<HintEngine>(table->table());
    }

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

    // Judging a game: which jump lost the centre finish, and what would have kept it.
    void review_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("jumps");
        QTest::addColumn<int>("losing"); // -1: none
        QTest::addColumn<bool>("startFinishable");
        QTest::newRow("a winning line") << "hints" << 31 << -1 << true;
        QTest::newRow("the fifth jump loses") << "loses at five" << 6 << 4 << true;
        QTest::newRow("opened already lost") << "lost" << 1 << -1 << false;
        QTest::newRow("undo took the loss back") << "undone" << 5 << -1 << true;
    }
    void review() {
        QFETCH(QString, game);
        Game g;
        if (game == "hints")
            while (const auto j = engine->hint(toBits(g.marbles())))
                g.jump(j->fromCell, j->toCell);
        else if (game == "lost")
            g = played({{2, 4}}, gameWith({2, 3, 46}, 3));
        else
            g = played(kLosesAtFive);
        if (game == "undone") { // the losing jump taken back and a better one made
            g = played({kLosesAtFive.begin(), kLosesAtFive.begin() + 5});
            g.restore(played({kLosesAtFive.begin(), kLosesAtFive.begin() + 4}).position());
            g.jump(3, 17);
        }
        const Review r = reviewGame(g.firstPosition(), g.jumps(), *engine);
        QFETCH(int, jumps);
        QFETCH(int, losing);
        QFETCH(bool, startFinishable);
        QCOMPARE(int(r.jumps.size()), jumps);
        QCOMPARE(r.losing ? int(*r.losing) : -1, losing);
        QCOMPARE(r.startFinishable, startFinishable);
        for (std::size_t i = 0; i < r.jumps.size(); ++i) {
            QCOMPARE(r.jumps[i].move, g.jumps()[i]);
            QCOMPARE(r.jumps[i].finishPossible, startFinishable && (losing < 0 || int(i) < losing));
        }
        QCOMPARE(r.jumps.back().marblesLeft, marblesOn(g));
        if (losing >= 0) { // the hint engine's jump in place of the loser keeps the finish
            QVERIFY(r.keeper);
            Game kept = played({kLosesAtFive.begin(), kLosesAtFive.begin() + losing});
            kept.jump(r.keeper->from, r.keeper->to);
            QVERIFY(engine->canFinishInCentre(toBits(kept.marbles())));
            QCOMPARE(moveName(r.jumps[std::size_t(losing)].move), QStringLiteral("d4 -> b4"));
        }
    }

    // Rewinding is a step Undo can take back: the position left goes to the undo file.
    void rewind() {
        Game g = played(kLosesAtFive);
        g.tick();
        g.select(10);
        const Position left = g.position();
        std::optional<Position> saved;
        QCOMPARE(
            int(g.rewind(4, [](const Position&) { return QStringLiteral("disk full"); }).outcome),
            int(Outcome::Refused));
        QVERIFY(g.position() == left && g.jumps().size() == 6);
        const Result r = g.rewind(4, [&](const Position& p) {
            saved = p;
            return std::optional<QString>();
        });
        QCOMPARE(int(r.outcome), int(Outcome::Rewound));
        QVERIFY(saved && *saved == left);
        const Game four = played({kLosesAtFive.begin(), kLosesAtFive.begin() + 4});
        QCOMPARE(g.marbles(), four.marbles());
        QCOMPARE(int(g.count()), 28);
        QCOMPARE(g.countText(), QStringLiteral("28"));
        QCOMPARE(g.clock(), QStringLiteral("119")); // the clock is not turned back
        QVERIFY(!g.selection());
        QCOMPARE(g.jumps(), four.jumps());
        QCOMPARE(int(g.rewind(4).outcome), int(Outcome::Nothing)); // nothing left to take back
        g.restore(*saved);                                         // Undo
        QCOMPARE(g.jumps(), kLosesAtFive);
        QCOMPARE(int(g.count()), 26);
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
