// Fewest moves: the engine against a plain search over small positions, the start's 18,
// moves counted over a jump list, the review's costly move, and the table's own file.

#include "files/solutionfile.h"
#include "game/movereview.h"
#include "tests/support.h"

#include <bit>
#include <cstring>
#include <random>
#include <unordered_map>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

const Bits kStart = kAllHoles & ~bitOf(kCentre);

// The fewest moves by a plain search over single jumps, with the marble that jumped last
// (63: none) in the state, its next jump free; -1 when no centre finish. A jump keeps the
// parities of the marbles on the board's diagonal colours, so a board whose parities are
// not the centre's is not searched.
int plainFewest(Bits board, int last, std::unordered_map<Bits, int>& memo) {
    if (board == bitOf(kCentre))
        return 0;
    if (positionClass(compress(board)) != positionClass(compress(bitOf(kCentre))))
        return -1;
    const Bits key = board << 6 | static_cast<Bits>(last);
    if (const auto it = memo.find(key); it != memo.end())
        return it->second;
    int best = -1;
    for (const Jump& j : allJumps())
        if (jumpPossible(board, j))
            if (int m = plainFewest(afterJump(board, j), j.to, memo); m >= 0) {
                m += j.from != last;
                best = best < 0 ? m : std::min(best, m);
            }
    return memo[key] = best;
}

// Boards of 2 to 14 marbles made by jumps backwards from the centre, and as many with one
// marble moved to another hole, which mostly cannot finish.
std::vector<Bits> smallBoards(int count) {
    std::mt19937_64 rng(29);
    std::vector<Bits> boards;
    while (static_cast<int>(boards.size()) < count) {
        Bits b = bitOf(kCentre);
        for (int n = 1 + static_cast<int>(rng() % 13); n > 0; --n) {
            std::vector<Jump> back;
            for (const Jump& j : allJumps()) // from `to` back over `over` to `from`
                if ((b & bitOf(j.to)) && !(b & bitOf(j.over)) && !(b & bitOf(j.from)))
                    back.push_back(j);
            if (!back.empty())
                b = afterJump(b, back[rng() % back.size()]);
        }
        boards.push_back(b);
        const int hole = static_cast<int>(rng() % kCells);
        if (isHole(hole) && !(b & bitOf(hole)))
            boards.push_back((b & ~(b & (~b + 1))) | bitOf(hole));
    }
    return boards;
}

// Why `line` is not a legal finish from `board` in `moves` moves of one marble each.
QString lineFault(Bits board, const MoveLine& line, int moves) {
    std::vector<Jump> jumps;
    for (const auto& move : line)
        jumps.insert(jumps.end(), move.begin(), move.end());
    for (const Jump& j : jumps) {
        if (!jumpPossible(board, j))
            return "an illegal jump";
        board = afterJump(board, j);
    }
    if (board != bitOf(kCentre))
        return "no centre finish";
    if (static_cast<int>(line.size()) != moves || moveCount(jumps) != moves ||
        groupByMove(jumps) != line)
        return QString("%1 moves, not %2").arg(line.size()).arg(moves);
    return {};
}

} // namespace

class TestMoves : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    const FewestMoves* engine = &tableMoves();

private slots:
    // Known boards: the start's 18 moves (17 would be wrong), a finish, a board one chain
    // from it, and boards with no centre finish at all.
    void knownBoards_data() {
        QTest::addColumn<quint64>("board");
        QTest::addColumn<int>("fewest"); // -1: none
        QTest::newRow("the start") << quint64(kStart) << 18;
        QTest::newRow("finished") << quint64(bitOf(kCentre)) << 0;
        QTest::newRow("one jump") << quint64(bitOf(10) | bitOf(17)) << 1;
        QTest::newRow("two marbles apart") << quint64(bitOf(2) | bitOf(46)) << -1;
        QTest::newRow("one off centre") << quint64(bitOf(10)) << -1;
        QTest::newRow("full board") << quint64(kAllHoles) << -1;
        QTest::newRow("empty board") << quint64(0) << -1;
    }
    void knownBoards() {
        QFETCH(quint64, board);
        QFETCH(int, fewest);
        QCOMPARE(engine->fewestMoves(board).value_or(-1), fewest);
        const auto line = engine->fewestMovesLine(board);
        QCOMPARE(line.has_value(), fewest >= 0);
        if (line)
            QCOMPARE(lineFault(board, *line, fewest), QString());
    }

    // Thousands of small boards: the count, with and without a move under way, and a line
    // of that many moves, as the plain search finds them.
    void smallBoardsAgreeWithAPlainSearch() {
        std::unordered_map<Bits, int> memo;
        int winnable = 0, chained = 0;
        for (const Bits board : smallBoards(3000)) {
            const int fewest = plainFewest(board, 63, memo);
            QCOMPARE(engine->fewestMoves(board).value_or(-1), fewest);
            winnable += fewest >= 0;
            for (int cell = 0; cell < kCells; ++cell)
                if (board & bitOf(cell)) {
                    const int going = plainFewest(board, cell, memo);
                    QCOMPARE(engine->fewestMoves(board, cell).value_or(-1), going);
                    chained += going < fewest;
                }
            if (const auto line = engine->fewestMovesLine(board))
                QCOMPARE(lineFault(board, *line, fewest), QString());
        }
        QVERIFY(winnable > 1000 && winnable < 3000 && chained > 100); // every kind is there
    }

    // A line with a move under way goes on with it where that saves a move, and the line
    // from the board after its first jump is the rest of it.
    void aLineGoesOnAsItBegan() {
        for (const Bits board : smallBoards(300)) {
            const auto line = engine->fewestMovesLine(board);
            if (!line || line->empty())
                continue;
            const Jump first = line->front().front();
            const Bits after = afterJump(board, first);
            auto rest = *line;
            rest.front().erase(rest.front().begin());
            if (rest.front().empty())
                rest.erase(rest.begin());
            QVERIFY(engine->fewestMovesLine(after, first.to) == std::optional(rest));
        }
    }

    // Moves counted over a jump list: a chain is one move, a break starts another.
    void countingMoves_data() {
        QTest::addColumn<QList<int>>("jumps"); // from, to, from, to, ...
        QTest::addColumn<QList<int>>("moves"); // jumps in each move
        QTest::newRow("none") << QList<int>{} << QList<int>{};
        QTest::newRow("one jump") << QList<int>{10, 24} << QList<int>{1};
        QTest::newRow("a chain") << QList<int>{10, 24, 24, 38, 38, 36} << QList<int>{3};
        QTest::newRow("a break") << QList<int>{10, 24, 26, 24} << QList<int>{1, 1};
        QTest::newRow("back where it began") << QList<int>{10, 24, 10, 12} << QList<int>{1, 1};
        QTest::newRow("onto the same hole") << QList<int>{10, 24, 38, 24} << QList<int>{1, 1};
        QTest::newRow("a chain, a break, a chain")
            << QList<int>{10, 24, 24, 26, 2, 16, 16, 18} << QList<int>{2, 2};
    }
    void countingMoves() {
        QFETCH(QList<int>, jumps);
        QFETCH(QList<int>, moves);
        std::vector<Jump> list;
        for (qsizetype i = 0; i < jumps.size(); i += 2)
            list.emplace_back(jumps[i], jumps[i + 1]);
        QList<int> sizes;
        for (const auto& move : groupByMove(list))
            sizes << static_cast<int>(move.size());
        QCOMPARE(sizes, moves);
        QCOMPARE(moveCount(list), static_cast<int>(moves.size()));
        QCOMPARE(movingMarble(list), list.empty() ? std::nullopt : std::optional(list.back().to));
    }

    // Random games from small boards: each jump's fewest whole finish and the first move
    // that made it longer, as the plain search finds them.
    void theReviewFindsTheCostlyMove() {
        std::unordered_map<Bits, int> memo;
        std::mt19937_64 rng(7);
        int costly = 0;
        for (Bits board : smallBoards(1500)) {
            const Marbles first = toMarbles(board);
            std::vector<Jump> jumps;
            std::vector<int> totals{plainFewest(board, 63, memo)}; // -1: none
            for (;;) {
                std::vector<Jump> legal;
                for (const Jump& j : allJumps())
                    if (jumpPossible(board, j))
                        legal.push_back(j);
                if (legal.empty())
                    break;
                // Mostly a jump that keeps a finish, often the same marble again.
                Jump j = legal[rng() % legal.size()];
                for (const Jump& k : legal)
                    if ((!jumps.empty() && k.from == jumps.back().to && rng() % 2) ||
                        (rng() % 4 && plainFewest(afterJump(board, k), k.to, memo) >= 0))
                        j = k;
                board = afterJump(board, j);
                jumps.push_back(j);
                const int left = plainFewest(board, j.to, memo);
                totals.push_back(left < 0 ? -1 : moveCount(jumps) + left);
            }
            const MovesReview review = reviewMoves(first, jumps, *engine);
            QCOMPARE(review.fewestAtStart.value_or(-1), totals[0]);
            std::optional<std::size_t> expected;
            int enough = 0, needed = 0;
            for (std::size_t i = 0; i < jumps.size(); ++i) {
                QCOMPARE(review.fewestAfter[i].value_or(-1), totals[i + 1]);
                const int move = static_cast<int>(review.moveOf[i]);
                if (!expected && totals[i] >= 0 && totals[i + 1] > totals[i]) {
                    expected = review.moveOf[i];
                    enough = totals[i] - move;
                }
                if (expected && review.moveOf[i] == *expected && totals[i + 1] >= 0)
                    needed = totals[i + 1] - move;
            }
            QCOMPARE(review.costlyMove, expected);
            QCOMPARE(std::pair(review.enough, review.needed), std::pair(enough, needed));
            costly += expected.has_value();
        }
        QVERIFY(costly > 300);
    }

    // Images made wrong on purpose: the table's checks refuse each with its reason.
    void aDamagedMoveTableIsRefused_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a flipped bit") << 0 << "it is damaged";
        QTest::newRow("cut short") << 1 << "it has the wrong size";
        QTest::newRow("not a table") << 2 << "it is not a table of solutions";
        QTest::newRow("another version") << 3 << "it was made by another version of Pebblenix";
        QTest::newRow("another table") << 4 << "it was made by another version of Pebblenix";
    }
    void aDamagedMoveTableIsRefused() {
        QFETCH(int, damage);
        QFETCH(QString, reason);
        std::vector<std::uint64_t> keys;
        for (std::uint64_t k = 1; keys.size() < 40; k += 77)
            if (SolutionTable::storable(k))
                keys.push_back(k);
        const auto hintImage = SolutionTable::serialize(keys);
        std::string error;
        const auto table = SolutionTable::view(hintImage.data(), hintImage.size(), error);
        QVERIFY(table);
        auto image = MoveTable::serialize(std::vector<std::uint8_t>(keys.size(), 3), *table, error)
                         .value_or(std::vector<std::uint8_t>{});
        QVERIFY(MoveTable::view(image.data(), image.size(), *table, error));
        switch (damage) {
        case 0:
            image.back() ^= 0x20;
            break;
        case 1:
            image.pop_back();
            break;
        case 2:
            image[0] = 'X';
            break;
        case 3:
            image[6] = '0';
            break;
        case 4:
            image[16] ^= 1;
            break;
        }
        QVERIFY(!MoveTable::view(image.data(), image.size(), *table, error));
        QCOMPARE(QString::fromStdString(error), reason);
    }
};

QTEST_GUILESS_MAIN(TestMoves)
#include "test_moves.moc"
