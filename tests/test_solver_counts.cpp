// The whole table against the published counts of peg solitaire on the 33-hole cross:
// positions reachable from the start and those that can still finish in the centre.

#include "files/solutionfile.h"
#include "game/hint.h"
#include <QTest>

#include <bit>
#include <set>

using namespace pebblenix;

class TestSolverCounts : public QObject {
    Q_OBJECT
private slots:
    void publishedCounts() {
        QString error;
        const auto file =
            SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
        QVERIFY2(file, qPrintable(error));
        const SolutionTable& table = file->table();
        const HintEngine engine(table);

        std::vector<std::uint64_t> reachable(32, 0), winning(32, 0);
        std::uint64_t reachableAll = 0, winningClasses = 0, winningAll = 0;
        table.forEach([&](std::uint64_t key) {
            const Bits board = expand(key);
            const auto images = symmetries(board);
            const std::uint64_t orbit = std::set<Bits>(images.begin(), images.end()).size();
            const int level = 32 - std::popcount(board);
            ++reachable[static_cast<std::size_t>(level)];
            reachableAll += orbit;
            if (engine.canFinishInCentre(board)) {
                ++winning[static_cast<std::size_t>(level)];
                ++winningClasses;
                winningAll += orbit;
            }
        });
        QCOMPARE(table.size(), std::uint64_t(23475688));
        QCOMPARE(reachableAll, std::uint64_t(187636299));
        QCOMPARE(winningClasses, std::uint64_t(1679072));
        QCOMPARE(winningAll, std::uint64_t(13428122));
        const std::vector<std::uint64_t> firstReachable = {1, 1, 2, 8, 39, 171, 719, 2757, 9751};
        const std::vector<std::uint64_t> firstWinning = {1, 1, 2, 8, 38, 164, 635, 2089, 6174};
        for (std::size_t j = 0; j < firstReachable.size(); ++j) {
            QCOMPARE(reachable[j], firstReachable[j]);
            QCOMPARE(winning[j], firstWinning[j]);
        }
        QCOMPARE(reachable[31], std::uint64_t(2)); // one marble left: in the centre or not...
        QCOMPARE(winning[31], std::uint64_t(1));   // ...and only the centre is a finish
    }
};

QTEST_GUILESS_MAIN(TestSolverCounts)
#include "test_solver_counts.moc"
