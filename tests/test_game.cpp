// The rules as a player meets them, through the game model: selecting, jumping, the end
// of the game, the count, the clock, and the jump list that Undo, Review and Rewind use.

#include "game/game.h"
#include "game/movecount.h"
#include "game/review.h"
#include "tests/support.h"

using namespace pebblenix;

namespace {

Game gameWith(std::initializer_list<int> marbles) {
    Game g;
    g.setPosition(test::positionWith(marbles));
    return g;
}

int marblesOn(const Game& g) {
    return static_cast<int>(std::count(g.marbles().begin(), g.marbles().end(), true));
}

const auto kSaved = [](const Position&) { return std::optional<QString>(); };
const auto kDiskFull = [](const Position&) { return std::optional<QString>("disk full"); };

} // namespace

class TestGame : public QObject {
    Q_OBJECT
    const HintEngine* engine = &test::tableEngine();

private slots:
    void clicks_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("expected"); // the last click's outcome, the selection
                                                  // (-1: none) and the marbles left
        const auto N = int(Outcome::Nothing), S = int(Outcome::Selected),
                   D = int(Outcome::Deselected), J = int(Outcome::Jumped);
        const std::tuple<const char*, QList<int>, QList<int>> rows[] = {
            {"the empty centre", {24}, {N, -1, 32}},
            {"select", {10}, {S, 10, 32}},
            {"down", {10, 24}, {J, -1, 31}},
            {"right", {22, 24}, {J, -1, 31}},
            {"left", {26, 24}, {J, -1, 31}},
            {"up", {38, 24}, {J, -1, 31}},
            {"same marble again", {10, 10}, {D, -1, 32}},
            {"another", {10, 16}, {D, -1, 32}},
            {"distance one", {10, 24, 23, 24}, {D, -1, 31}},
            {"diagonal", {10, 24, 26, 10}, {D, -1, 31}},
            {"over a hole", {10, 24, 3, 17}, {D, -1, 31}},
            // 20 and 22 differ by two but lie on different rows
            {"across a row end", {22, 24, 20, 22}, {D, -1, 31}}};
        for (const auto& [name, clicks, expected] : rows)
            QTest::newRow(name) << clicks << expected;
    }
    void clicks() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, expected);
        Game g;
        Result r;
        for (int c : clicks)
            r = g.click(c);
        QCOMPARE((QList<int>{int(r.outcome), g.selection().value_or(-1), marblesOn(g)}), expected);
        QCOMPARE(g.countText(), QString::number(expected[2]));
        QVERIFY(g.clockRunning());
    }

    // A selection made before an Open must not jump from a cell that is now empty.
    void aStaleSelectionCannotMakeAMarble() {
        Game g;
        g.click(10);
        g.setPosition(gameWith({17, 31}).position());
        QCOMPARE(int(g.click(24).outcome), int(Outcome::Deselected));
        QVERIFY(!g.hasMarble(24) && g.count() == 2);
    }

    // The undo file gets the position before the jump; when it cannot be written, nothing
    // changes. Undo then restores it, and the jump list with it when it can.
    void undo() {
        Game g;
        g.select(10); // as a hint does: the clock does not start
        QVERIFY(!g.clockRunning());
        g.tick();
        const Position before = g.position();
        const Result refused = g.click(24, kDiskFull);
        QCOMPARE(refused.reason, QStringLiteral("disk full"));
        QVERIFY(g.position() == before && !g.selection() && g.jumps().empty());
        std::optional<Position> saved;
        g.jump(10, 24, [&](const Position& p) { return saved = p, std::optional<QString>(); });
        QVERIFY(saved && *saved == before && saved->clock == "119");
        const Position afterA = g.position();
        g.jump(31, 17);
        g.restore(afterA);
        QCOMPARE(g.jumps(), (std::vector<Jump>{{10, 24}}));
        g.restore(afterA); // the same file read again: the list stands
        QCOMPARE(g.jumps().size(), std::size_t(1));
        Position other = newGamePosition(); // another copy's position
        other.marbles[3] = false;
        g.restore(other);
        QVERIFY(g.jumps().empty() && g.firstPosition() == other.marbles);
    }

    // Judging a game: which jump lost the centre finish, and what would have kept it.
    void review_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("losing"); // -1: none
        QTest::newRow("a winning line") << "hints" << -1;
        QTest::newRow("the fifth jump loses") << "loses at five" << 4;
        QTest::newRow("opened already lost") << "lost" << -1;
        QTest::newRow("undo took the loss back") << "undone" << -1;
    }
    void review() {
        QFETCH(QString, game);
        QFETCH(int, losing);
        const bool startFinishable = game != "lost";
        Game g = test::losingGame(6);
        if (game == "hints") {
            g = Game();
            while (const auto j = engine->hint(toBits(g.marbles())))
                g.jump(j->from, j->to);
            QCOMPARE(g.jumps().size(), std::size_t(31));
        } else if (game == "lost") {
            g = test::losingGame(1, gameWith({2, 3, 46}), {{2, 4}});
        } else if (game == "undone") { // the losing jump taken back, a better one made
            g = test::losingGame(5);
            g.restore(test::losingGame(4).position());
            g.jump(3, 17);
        }
        const Review r = reviewGame(g.firstPosition(), g.jumps(), *engine);
        QCOMPARE(r.jumps.size(), g.jumps().size());
        QCOMPARE(r.losing ? int(*r.losing) : -1, losing);
        QCOMPARE(r.startFinishable, startFinishable);
        for (std::size_t i = 0; i < r.jumps.size(); ++i) {
            QCOMPARE(r.jumps[i].jump, g.jumps()[i]);
            QCOMPARE(r.jumps[i].finishPossible, startFinishable && (losing < 0 || int(i) < losing));
        }
        QCOMPARE(r.jumps.back().marblesLeft, marblesOn(g));
        if (losing >= 0) { // the hint engine's jump in place of the loser keeps the finish
            Game kept = test::losingGame(std::size_t(losing));
            QVERIFY(r.keeper && kept.jump(r.keeper->from, r.keeper->to).outcome == Outcome::Jumped);
            QVERIFY(engine->canFinishInCentre(toBits(kept.marbles())));
            QCOMPARE(jumpName(r.jumps[std::size_t(losing)].jump), QStringLiteral("d4 -> b4"));
        }
    }

    // A centre finish counts its moves only in a game played from the start without Open:
    // Undo back into such a game makes it one again, help and all; another copy's position
    // does not.
    void theMovesOfAFinish_data() {
        QTest::addColumn<QString>("before"); // what happens before the hints finish it
        QTest::addColumn<bool>("counted");
        QTest::addColumn<bool>("helped");
        QTest::newRow("from the start") << "" << true << false;
        QTest::newRow("opened") << "open" << false << false;
        QTest::newRow("Undo back from an Open") << "open undo" << true << false;
        QTest::newRow("helped, then Undo back from an Open") << "help open undo" << true << true;
        QTest::newRow("another copy's Undo") << "other" << false << false;
    }
    void theMovesOfAFinish() {
        QFETCH(QString, before);
        QFETCH(bool, counted);
        QFETCH(bool, helped);
        Game g = test::losingGame(2);
        if (before.startsWith("help"))
            g.markAssisted();
        std::optional<Position> saved;
        g.jump(22, 24, [&](const Position& p) { return saved = p, std::nullopt; });
        if (before.contains("open"))
            g.setPosition(newGamePosition());
        if (before.endsWith("undo"))
            g.restore(*saved);
        if (before == "other")
            g.restore(test::losingGame(1).position());
        std::optional<Finish> finish;
        while (const auto j = engine->hint(toBits(g.marbles())))
            finish = g.jump(j->from, j->to).finished;
        QVERIFY(finish && finish->inCentre);
        QCOMPARE(finish->moves, counted ? std::optional(moveCount(g.jumps())) : std::nullopt);
        QCOMPARE(finish->assisted, helped);
    }

    // Rewinding is a step Undo can take back: the position left goes to the undo file.
    void rewind() {
        Game g = test::losingGame(6);
        g.tick();
        g.select(10);
        const Position left = g.position();
        QCOMPARE(int(g.rewind(4, kDiskFull).outcome), int(Outcome::Refused));
        QVERIFY(g.position() == left && g.jumps().size() == 6);
        std::optional<Position> saved;
        const Result r = g.rewind(4, [&](const Position& p) { return saved = p, std::nullopt; });
        QCOMPARE(int(r.outcome), int(Outcome::Rewound));
        QVERIFY(saved && *saved == left);
        QCOMPARE(g.marbles(), test::losingGame(4).marbles());
        QCOMPARE(g.countText(), QStringLiteral("28"));
        QCOMPARE(g.clock(), QStringLiteral("119")); // the clock is not turned back
        QVERIFY(!g.selection() && g.jumps() == test::losingGame(4).jumps());
        QCOMPARE(int(g.rewind(4, kSaved).outcome), int(Outcome::Nothing)); // nothing to take back
        g.restore(*saved);                                                 // Undo
        QVERIFY(g.jumps() == test::kLosesAtFive && g.count() == 26);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
