// The problem collection and its index, the exact chance of a finish by random jumps, the
// starts with one empty hole, the editor's verdict and the problem of the day.

#include "files/problemindex.h"
#include "game/dailyproblem.h"
#include "game/difficulty.h"
#include "game/singlehole.h"
#include "game/verdict.h"
#include "tests/support.h"

#include <QDirIterator>
#include <bit>
#include <cmath>
#include <set>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

Bits boardOf(const QList<int>& cells) {
    Bits b = 0;
    for (int c : cells)
        b |= bitOf(c);
    return b;
}

// Every sequence of jumps played to its end, each jump as likely as the others: the chance
// without the table, the symmetries or anything remembered.
double enumerated(Bits board) {
    double sum = 0;
    int jumps = 0;
    for (const Jump& j : allJumps())
        if (jumpPossible(board, j)) {
            ++jumps;
            sum += enumerated(afterJump(board, j));
        }
    return jumps ? sum / jumps : double(board == bitOf(kCentre));
}

QString problemFolder() {
    return findProblemFolder(QStringLiteral(PEBBLENIX_PROGRAM_DIR));
}

} // namespace

class TestProblems : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    const HintEngine& engine = tableEngine();
    FinishChance chance{engine}; // shared, so the four full boards are worked out once

private slots:
    // One row a problem: a valid game file as the game writes it, starting afresh, with a
    // finish in the centre and the chance and fewest moves the index says.
    void eachProblem_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("par");
        const auto index = readProblemIndex(problemFolder());
        QVERIFY(index);
        for (const ProblemEntry& e : *index)
            QTest::newRow(qPrintable(e.file)) << e.file << e.chance << e.par;
    }
    void eachProblem() {
        QFETCH(QString, file);
        QFETCH(double, stored);
        QFETCH(int, par);
        const QByteArray bytes = readAll(QDir(problemFolder()).filePath(file));
        const auto parsed = parseGameFile(bytes);
        QVERIFY2(parsed.position, qPrintable(parsed.problem));
        const Bits board = toBits(parsed.position->marbles);
        QCOMPARE(*parsed.position, startingPosition(toMarbles(board)));
        QCOMPARE(formatGameFile(*parsed.position), bytes);
        QVERIFY(engine.canFinishInCentre(board));
        const int fewest = *tableMoves().fewestMoves(board);
        QVERIFY2(par == fewest, qPrintable(QStringLiteral("write %1 moves").arg(fewest)));
        const double exact = *chance.of(board);
        QVERIFY2(std::abs(stored - exact) <= 1e-5 * exact,
                 qPrintable(QStringLiteral("write %1 %2").arg(file).arg(exact, 0, 'g', 6)));
    }

    // The index lists every file once, easiest first, by names marked for translation; no
    // two problems are one shape turned, but the starts with one empty hole, which are all
    // there.
    void theIndex() {
        const auto index = readProblemIndex(problemFolder());
        QVERIFY(index && index->size() >= 30);
        std::set<QString> files;
        std::set<QByteArray> names;
        std::set<Bits> classes, singleHoles;
        const std::set<QByteArray> marked(markedProblemNames().begin(), markedProblemNames().end());
        double last = 1;
        for (const ProblemEntry& e : *index) {
            QVERIFY2(files.insert(e.file).second, qPrintable(e.file));
            QVERIFY2(marked.count(e.name) && names.insert(e.name).second, e.name.constData());
            QVERIFY2(e.chance <= last, qPrintable(e.file));
            last = e.chance;
            const Bits board = toBits(readGameFile(QDir(problemFolder()).filePath(e.file))
                                          .position.value_or(Position())
                                          .marbles);
            if (std::popcount(board) == kHoles - 1)
                singleHoles.insert(board);
            else
                QVERIFY2(classes.insert(canonical(board)).second, qPrintable(e.file));
        }
        QCOMPARE(names.size(), marked.size());
        std::set<QString> onDisk;
        for (QDirIterator it(problemFolder(), {"*.pnx"}, QDir::Files); it.hasNext();)
            onDisk.insert(QFileInfo(it.next()).fileName());
        QVERIFY(onDisk == files);
        std::set<Bits> finishing;
        for (int hole = 0; hole < kCells; ++hole)
            if (isHole(hole) && hole != kCentre && !singleHoleReason(hole))
                finishing.insert(fullBoardWithout(hole));
        QVERIFY(singleHoles == finishing && finishing.size() == 4);
    }

    // For every hole, a reason exactly when the table has no centre finish: all but the
    // rule of three's d4, d1, a4, g4 and d7.
    void singleHoleStarts() {
        std::set<QString> finishing;
        for (int hole = 0; hole < kCells; ++hole) {
            if (!isHole(hole))
                continue;
            const QString name = QLatin1String(cellName(hole).data());
            const auto reason = singleHoleReason(hole);
            QCOMPARE(!reason, engine.canFinishInCentre(fullBoardWithout(hole)));
            if (reason)
                QVERIFY(reason->contains(name));
            else
                finishing.insert(name);
        }
        QCOMPARE(finishing, (std::set<QString>{"d4", "d1", "a4", "g4", "d7"}));
    }

    // The chance against every sequence of jumps counted out, on boards with jumps that
    // lose the finish, boards with none and boards that never had one.
    void chanceAgreesWithEnumeration_data() {
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("the lone centre") << QList<int>{24};
        QTest::newRow("nothing") << QList<int>{};
        QTest::newRow("a lone marble elsewhere") << QList<int>{3};
        QTest::newRow("a jump each way") << QList<int>{10, 17};
        QTest::newRow("Cross") << QList<int>{10, 16, 17, 18, 24, 31};
        QTest::newRow("Plus") << QList<int>{10, 17, 22, 23, 24, 25, 26, 31, 38};
        QTest::newRow("Trident") << QList<int>{2, 4, 9, 10, 11, 17, 24, 31};
        QTest::newRow("lopsided") << QList<int>{16, 17, 23, 24, 30, 31, 32, 37};
        QTest::newRow("out of class") << QList<int>{16, 17, 18, 23, 24, 25};
        QTest::newRow("in class, no finish") << QList<int>{3, 21, 24};
    }
    void chanceAgreesWithEnumeration() {
        QFETCH(QList<int>, cells);
        const Bits board = boardOf(cells);
        QCOMPARE(*FinishChance(engine).of(board), enumerated(board));
    }

    // A limit just large enough gives the chance; one class fewer gives nothing.
    void aClassLimit() {
        const Bits pyramid =
            boardOf({10, 16, 17, 18, 22, 23, 24, 25, 26, 28, 29, 30, 31, 32, 33, 34});
        FinishChance unlimited(engine);
        const double exact = *unlimited.of(pyramid);
        QCOMPARE(FinishChance(engine, unlimited.remembered()).of(pyramid).value_or(-1), exact);
        QVERIFY(!FinishChance(engine, unlimited.remembered() - 1).of(pyramid));
    }

    void grades_data() {
        QTest::addColumn<double>("chance");
        QTest::addColumn<int>("grade");
        const std::pair<double, Grade> rows[] = {
            {1, Grade::Easy},         {1e-2, Grade::Easy},   {0.0099, Grade::Moderate},
            {1e-3, Grade::Moderate},  {9.9e-4, Grade::Hard}, {1e-5, Grade::VeryHard},
            {9.9e-6, Grade::Expert},  {1e-6, Grade::Expert}, {9.9e-7, Grade::Master},
            {1.35e-8, Grade::Master}, {0, Grade::Master}};
        for (const auto& [chance, grade] : rows)
            QTest::newRow(qPrintable(QString::number(chance))) << chance << int(grade);
    }
    void grades() {
        QFETCH(double, chance);
        QFETCH(int, grade);
        QCOMPARE(int(gradeOf(chance)), grade);
    }

    void verdict_data() {
        QTest::addColumn<QList<int>>("cells"); // -1: the full board
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("says");
        const std::tuple<const char*, QList<int>, Verdict, const char*> rows[] = {
            {"empty", {}, Verdict::NoMarbles, "no marbles"},
            {"solved", {24}, Verdict::Finished, "already solved"},
            {"alone on d1", {3}, Verdict::OffCentre, "on d1,"},
            {"a finish", {10, 17}, Verdict::CentreFinish, "can still finish"},
            {"rule of three", {24, 31}, Verdict::WrongClass, "(the rule of three)"},
            {"the full board", {-1}, Verdict::WrongClass, "(the rule of three)"},
            {"no sequence", {3, 21, 24}, Verdict::NoSequence, "no series of jumps"}};
        for (const auto& [name, cells, verdict, says] : rows)
            QTest::newRow(name) << cells << int(verdict) << QString(says);
    }
    void verdict() {
        QFETCH(QList<int>, cells);
        QFETCH(int, verdict);
        QFETCH(QString, says);
        const Bits board = cells == QList<int>{-1} ? kAllHoles : boardOf(cells);
        const Verdict v = judgePosition(board, engine);
        QCOMPARE(int(v), verdict);
        QVERIFY2(verdictText(v, board).contains(says), qPrintable(verdictText(v, board)));
    }

    void theVerdictCountsMoves() {
        QCOMPARE(verdictText(Verdict::CentreFinish, 0, 5),
                 "One marble can still finish in the centre, in 5 moves at the fewest.");
    }

    // The same date gives the same board, and this one for good: players share it.
    void theDayIsTheDate() {
        const QDate day(2025, 1, 6);
        const DailyProblem first = dailyProblem(day, engine);
        QCOMPARE(toBits(first.position.marbles), Bits(0xc0428300000));
        QVERIFY(dailyProblem(day.addDays(7), engine).position != first.position);
    }

    // Every day of several weeks has a centre finish, a chance below the day before's and
    // a grade no easier, from an easy Monday to a harder Sunday.
    void harderThroughTheWeek_data() {
        QTest::addColumn<QDate>("monday");
        for (const QDate& d : {QDate(2025, 1, 6), QDate(2026, 3, 2), QDate(2031, 7, 14)})
            QTest::newRow(qPrintable(d.toString(Qt::ISODate))) << d;
    }
    void harderThroughTheWeek() {
        QFETCH(QDate, monday);
        double before = 2;
        std::vector<int> grades;
        for (int day = 0; day < 7; ++day) {
            const DailyProblem p = dailyProblem(monday.addDays(day), engine);
            const Bits board = toBits(p.position.marbles);
            QVERIFY(engine.canFinishInCentre(board));
            QCOMPARE(p.position, startingPosition(p.position.marbles));
            QCOMPARE(p.chance, *FinishChance(engine).of(board));
            QVERIFY(p.chance < before);
            before = p.chance;
            grades.push_back(int(gradeOf(p.chance)));
        }
        QVERIFY(std::is_sorted(grades.begin(), grades.end()));
        QVERIFY(grades.front() == int(Grade::Easy) && grades.back() > int(Grade::Hard));
    }

    // What the index reader refuses and accepts.
    void indexLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read"); // the names read, or the problem
        const char* rows[][3] = {
            {"two", "# list\n\na.pnx 0.5 5 Cross\r\nb-2.pnx 1e-8 18 Full Board, d1 Empty \n",
             "Cross 5|Full Board, d1 Empty 18"},
            {"a path", "../a.pnx 0.5 5 Cross\n", "line 1 "},
            {"no name", "#\na.pnx 0.5 5\n", "line 2 "},
            {"no moves", "a.pnx 0.5 Cross\n", "line 1 "},
            {"above one", "a.pnx 1.5 5 Cross\n", "line 1 "},
            {"not a number", "a.pnx nan 5 Cross\n", "line 1 "}};
        for (const auto& [name, text, read] : rows)
            QTest::newRow(name) << QByteArray(text) << QString(read);
        QTest::newRow("too long") << QByteArray(65537, '#') << QString("too long");
    }
    void indexLines() {
        QFETCH(QByteArray, text);
        QFETCH(QString, read);
        QTemporaryDir dir;
        writeAll(dir.filePath(kProblemIndexName), text);
        QString problem;
        const auto index = readProblemIndex(dir.path(), &problem);
        QStringList names;
        for (const ProblemEntry& e : index.value_or(std::vector<ProblemEntry>()))
            names << QString::fromUtf8(e.name) + ' ' + QString::number(e.par);
        QVERIFY2((index ? names.join('|') : problem).contains(read), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestProblems)
#include "test_problems.moc"
