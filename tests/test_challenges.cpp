// Problems, Set Up Position and Today's Problem as the player uses them: each starts its
// board as New does, in a new window that plays it with every help; the list shows what
// the player has solved, and Records the problems and the days in a row.

#include "app/challengecommands.h"
#include "app/problemsdialog.h"
#include "app/recordsdialog.h"
#include "app/setupdialog.h"
#include "game/bitboard.h"
#include "game/dailyproblem.h"
#include "tests/uisupport.h"

#include <QPushButton>
#include <QTreeWidget>

using namespace pebblenix;
using namespace pebblenix::test;

class TestChallenges : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    TestServices made;
    FakeUi& fake = made.fake;
    std::unique_ptr<frmgame> w;

    // The dialog a menu item opened, once the engine it may wait for is ready.
    template <class Dialog> Dialog* opened(const char* item) {
        w->menuItem(item)->trigger();
        if (Dialog* shown = shownDialog<Dialog>(*w))
            return shown;
        qFatal("%s did not open", item);
    }
    // The new window that took the old one's place; nothing when there is none.
    bool replaced() {
        if (!QTest::qWaitFor([this] { return topLevel<frmgame>(w.get()); }, 20000))
            return false;
        frmgame* fresh = topLevel<frmgame>(w.get());
        w.release(); // closed, and deleted by itself
        w.reset(fresh);
        return true;
    }

private slots:
    void init() {
        fake.clear();
        QFile::remove(RecordsFile::defaultPath());
        w = activeWindow(made.services);
    }
    void cleanup() {
        if (w)
            w->gb_showboredbox = false;
        w.reset();
    }

    // Asked first only when jumps were made; the new window shows the problem, names it
    // in its title, and its hints work on it.
    void choosingAProblem_data() {
        QTest::addColumn<bool>("jumped");
        QTest::addColumn<bool>("yes");
        QTest::newRow("no jumps made: not asked") << false << false;
        QTest::newRow("jumps made, Yes") << true << true;
        QTest::newRow("jumps made, No") << true << false;
    }
    void choosingAProblem() {
        QFETCH(bool, jumped);
        QFETCH(bool, yes);
        if (jumped)
            jump(*w);
        fake.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        auto* problems = opened<ProblemsDialog>("mnuproblems");
        problems->list->setCurrentItem(problems->list->topLevelItem(2));
        problems->playButton->click();
        QCOMPARE(fake.messages.size(), std::size_t(jumped));
        if (jumped)
            QCOMPARE(fake.last().text, QStringLiteral("Start A New Game?"));
        if (jumped && !yes) {
            QCOMPARE(shownCount(*w), 31); // the game goes on
            return;
        }
        QVERIFY(replaced());
        const auto plus = readGameFile(QString(qgetenv("PEBBLENIX_PROBLEMS")) + "/plus.pnx");
        QCOMPARE(shownPosition(*w), startingPosition(plus.position->marbles));
        QCOMPARE(w->windowTitle(), QStringLiteral("Plus - Pebblenix"));
        w->mnuhint_Click();
        QTRY_VERIFY_WITH_TIMEOUT(picked(*w), 20000);
        QVERIFY(w->session().challenge() && w->session().challenge()->problem == "plus");
    }

    // The list and Records show what is solved; Next Unsolved skips problems solved
    // without help and goes round from the bottom.
    void solvedAndNextUnsolved() {
        writeAll(RecordsFile::defaultPath(),
                 "Pebblenix records 2\nplayed 0\ncentre-finishes 0\n"
                 "problem cross unaided 5 2026-03-01\nproblem plus unaided 6 2026-03-01\n"
                 "problem snowflake with-help 7 2026-03-01\ndaily-streak 2 " +
                     QDate::currentDate().addDays(-2).toString(Qt::ISODate).toLatin1() +
                     "\ndaily-best 3\n");
        auto* problems = opened<ProblemsDialog>("mnuproblems");
        QTreeWidget* list = problems->list;
        QCOMPARE(list->currentIndex().row(), 1); // the first not solved without help
        QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("In 5 moves"));
        QCOMPARE(list->topLevelItem(1)->text(4), QStringLiteral("With help, in 7 moves"));
        QCOMPARE(list->topLevelItem(3)->text(4), QStringLiteral("Not yet"));
        for (const auto& [from, to] : {std::pair{1, 3}, {36, 1}, {40, 1}}) {
            list->setCurrentItem(list->topLevelItem(from));
            problems->nextButton->click();
            QCOMPARE(list->currentIndex().row(), to);
        }
        list->setCurrentItem(list->topLevelItem(40)); // a full board that cannot finish
        QVERIFY(!problems->playButton->isEnabled() &&
                problems->details->text().contains("the last marble can never finish"));

        w->mnurecords_Click();
        auto* records = w->findChild<RecordsDialog*>();
        QCOMPARE(records->problemsSolved->text(), QStringLiteral("3, of which 2 without help"));
        QCOMPARE(records->daysInARow->text(), QStringLiteral("0 (your longest run: 3)"));
        // A problem solved while they are open shows at once in both.
        made.services.records.add(
            [](Records& r) { r.addProblem("snowflake", Unaided, 6, QDate::currentDate()); });
        QCOMPARE(list->topLevelItem(1)->text(4), QStringLiteral("In 6 moves"));
        QCOMPARE(records->problemsSolved->text(), QStringLiteral("3, of which 3 without help"));
    }

    // A list or a problem that cannot be read is told below the list, and cannot be played.
    void whatCannotBeRead_data() {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("says");
        QTest::newRow("the list") << QByteArray("cross.pnx 0.5 Cross\n") << 28
                                  << "The list of problems cannot be read.\n";
        QTest::newRow("a problem") << QByteArray("gone.pnx 0.5 5 Cross\n") << 29
                                   << "You have provided an invalid file format";
    }
    void whatCannotBeRead() {
        QFETCH(QByteArray, index);
        QFETCH(int, rows);
        QFETCH(QString, says);
        writeAll(dir.filePath("index.txt"), index);
        ProblemsDialog problems(nullptr, dir.path(), Records{});
        QCOMPARE(problems.list->topLevelItemCount(), rows);
        QVERIFY(!problems.playButton->isEnabled());
        QVERIFY2(problems.details->text().startsWith(says), qPrintable(problems.details->text()));
    }

    // The verdict follows every marble put or taken: a finish and its fewest moves, none,
    // or none by the rule of three.
    void theEditorsVerdict_data() {
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<QString>("says");
        QTest::newRow("a finish") << QList<int>{10, 17} << "in one move.";
        QTest::newRow("no series of jumps") << QList<int>{3, 21, 24} << "no series of jumps";
        QTest::newRow("the rule of three") << QList<int>{24, 31} << "(the rule of three)";
    }
    void theEditorsVerdict() {
        QFETCH(QList<int>, cells);
        QFETCH(QString, says);
        auto* setUp = opened<SetUpDialog>("mnusetup");
        QTRY_VERIFY_WITH_TIMEOUT(made.engine.fewestMoves(), 20000);
        setUp->clearButton->click();
        for (int cell : cells)
            QTest::mouseClick(setUp->boardView->cell(cell), Qt::LeftButton);
        QVERIFY2(setUp->verdict->text().contains(says), qPrintable(setUp->verdict->text()));
        QCOMPARE(setUp->count->text(), "Marbles on the board: " + QString::number(cells.size()));
    }

    // By keys: Insert puts, Delete takes, Shift and an arrow only move, Tab leaves the board;
    // Save As writes the board, Play From Here plays it.
    void settingUpByKeys() {
        auto* setUp = opened<SetUpDialog>("mnusetup");
        BoardCell* centre = setUp->boardView->cell(kCentre);
        QTest::keyClick(centre, Qt::Key_Insert); // the full board
        QTest::keyClick(centre, Qt::Key_Up);
        QTest::keyClick(setUp->boardView->cell(17), Qt::Key_Delete); // but d3
        Marbles board = toMarbles(kAllHoles);
        board[17] = false;
        QCOMPARE(setUp->board(), board);
        // Shift and an arrow jump nothing here: d1 stays, and the keyboard's place goes to d2
        QTest::keyClick(setUp->boardView->cell(3), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(setUp->board(), board);
        QCOMPARE(setUp->focusWidget(), setUp->boardView->cell(10));
        QTest::keyClick(setUp->boardView->cell(17), Qt::Key_Tab);
        QVERIFY(!qobject_cast<BoardCell*>(setUp->focusWidget()));
        fake.fileNames = {dir.filePath("set.pnx")};
        setUp->saveButton->click();
        QCOMPARE(readAll(dir.filePath("set.pnx")), formatGameFile(startingPosition(board)));
        setUp->playButton->click();
        QVERIFY(replaced());
        QCOMPARE(shownPosition(*w), startingPosition(board));
        QCOMPARE(w->windowTitle(), QStringLiteral("Pebblenix"));
    }

    void todaysProblem() {
        w->menuItem("mnutoday")->trigger();
        QVERIFY(replaced());
        const QDate today = QDate::currentDate();
        QCOMPARE(shownPosition(*w), dailyProblem(today, tableEngine()).position);
        QVERIFY(w->windowTitle().startsWith("Today's Problem ("));
        QCOMPARE(w->session().challenge()->day, today);
    }
};

QTEST_MAIN(TestChallenges)
#include "test_challenges.moc"
