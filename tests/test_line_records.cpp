// Winning Line and Records as the player uses them: the line follows the board and plays
// its next jump as the player's clicks would; every game that ends is kept, and the
// records dialog shows it.

#include "app/recordsdialog.h"
#include "app/winninglinedialog.h"
#include "files/recordsfile.h"
#include "files/settings.h"
#include "game/bitboard.h"
#include "game/review.h"
#include "tests/uisupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace pebblenix;
using namespace pebblenix::test;

class TestLineRecords : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    TestServices made;
    FakeUi& fake = made.fake;
    std::unique_ptr<frmgame> w;

    WinningLineDialog* openLine() {
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        if (auto* line = shownDialog<WinningLineDialog>(*w))
            return line;
        qFatal("the winning line did not open");
    }
    void open(std::initializer_list<int> marbles, const QByteArray& clock = "120") {
        writeAll(dir.filePath("game.pnx"), gameFileWith(marbles, clock));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("game.pnx")));
    }
    // The line's rows, "1 d2 -> d4 -> d6", a row going on with the move under way "-".
    static QStringList shownRows(WinningLineDialog* line) {
        QStringList rows;
        for (int r = 0; r < line->list->topLevelItemCount(); ++r) {
            const QString number = line->list->topLevelItem(r)->text(0);
            rows << (number.isEmpty() ? "-" : number) + ' ' + line->list->topLevelItem(r)->text(1);
        }
        return rows;
    }
    // Their jumps one by one, "d2 d4".
    static QStringList jumpsOf(const QStringList& rows) {
        QStringList jumps;
        for (const QString& row : rows) {
            const QStringList cells = row.section(' ', 1).split(" -> ");
            for (qsizetype i = 1; i < cells.size(); ++i)
                jumps << cells[i - 1] + ' ' + cells[i];
        }
        return jumps;
    }

private slots:
    void init() {
        fake.clear();
        w = activeWindow(made.services);
    }
    void cleanup() {
        if (w)
            w->gb_showboredbox = false;
        w.reset();
    }

    void theLineFollowsTheBoard() {
        WinningLineDialog* line = openLine();
        QCOMPARE(line->list->topLevelItemCount(), 31);
        QCOMPARE(line->summary->text(),
                 QStringLiteral("Jumps to the last marble in the centre: 31"));
        const QString second = line->list->topLevelItem(1)->text(1);
        w->session().setUndoFolder({dir.filePath("gone")}); // no undo file: nothing moves
        QTest::keyClick(line->list, Qt::Key_Return);
        QVERIFY(fake.last().text.startsWith("The move was not made, because the undo file"));
        QCOMPARE(shownCount(*w), 32);
        w->session().setUndoFolder({dir.path()});
        QTest::keyClick(line->list, Qt::Key_Return); // Play Next Jump, as two clicks
        QCOMPARE(readAll(undoFile(*w)), formatGameFile(newGamePosition()));
        QVERIFY(w->Timer1->isActive() && w->lblmarbles_On_hand->text() == "31");
        QCOMPARE(line->list->topLevelItemCount(), 30);
        QCOMPARE(line->list->topLevelItem(0)->text(1), second);
        QCOMPARE(line->list->topLevelItem(0)->text(2), QStringLiteral("30"));

        QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier); // Undo, in the dialog too
        QCOMPARE(line->list->topLevelItemCount(), 31);

        // Jumps by hand, the fifth of which loses the finish; then Undo.
        playLosingLine(*w, 4);
        QCOMPARE(line->list->topLevelItemCount(), 27);
        jump(*w, 24, 22);
        QCOMPARE(line->list->topLevelItemCount(), 0);
        QVERIFY(line->summary->text().startsWith("No finish with the last marble in the centre"));
        QVERIFY(!line->action->isEnabled());
        w->mnuundo_Click();
        QCOMPARE(line->list->topLevelItemCount(), 27);

        open({2, 3, 46}); // a position that could never finish in the centre
        QVERIFY(line->summary->text().startsWith("This game started from a position that "));
        w->mnunew_Click();                  // the line follows to the new game's window
        QVERIFY(!w.release()->isVisible()); // closed, and deleted by itself
        frmgame* fresh = topLevel<frmgame>();
        QVERIFY(fresh && fresh->findChild<WinningLineDialog*>());
        QCOMPARE(fresh->findChild<WinningLineDialog*>()->list->topLevelItemCount(), 31);
        fresh->gb_showboredbox = false;
        fresh->close();
    }

    // Fewest Moves, chosen and remembered: a move a row, the chain under way without a
    // number. Play Next Jump plays a chain jump by jump, the list going on with the rest of
    // it. The finish's moves are recorded for a game played from the start without Open,
    // as the first line of version 2; after Open the file stays version 1.
    void theFewestMovesLine_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("recorded"); // the file's header and fewest-moves line
        QTest::addColumn<QString>("shown");    // by Records, without help and with
        QTest::newRow("by hand") << "hand"
                                 << "Pebblenix records 2|fewest-moves 18"
                                 << "18 moves|";
        QTest::newRow("by hand, Show Moves telling the fewest")
            << "moves"
            << "Pebblenix records 2|fewest-moves-with-help 18"
            << "None yet|18 moves";
        QTest::newRow("Play Next Jump") << "line"
                                        << "Pebblenix records 2|fewest-moves-with-help 18"
                                        << "None yet|18 moves";
        QTest::newRow("Play Next Jump after Open") << "open"
                                                   << "Pebblenix records 1|"
                                                   << "None yet|";
    }
    void theFewestMovesLine() {
        QFETCH(QString, how);
        QFETCH(QString, recorded);
        QFETCH(QString, shown);
        QFile::remove(RecordsFile::defaultPath());
        if (how == "open") {
            writeAll(dir.filePath("start.pnx"), formatGameFile(newGamePosition()));
            QVERIFY(w->OpenPebblenixFile(dir.filePath("start.pnx")));
        }
        std::vector<Jump> jumps; // by hand: the engine's line, from outside the game
        made.engine.whenMovesReady(w.get(), [&](const FewestMoves* moves, const QString&) {
            const auto line = moves->fewestMovesLine(toBits(startPosition()));
            for (const auto& move : *line)
                jumps.insert(jumps.end(), move.begin(), move.end());
        });
        QTRY_COMPARE_WITH_TIMEOUT(jumps.size(), std::size_t(31), 20000);
        if (how == "moves")
            w->menuItem("mnushowmoves")->trigger();
        WinningLineDialog* line = how == "hand" || how == "moves" ? nullptr : openLine();
        if (line && !line->fewestMoves->isChecked())
            line->fewestMoves->click();
        int chains = 0;
        for (const Jump& next : jumps) {
            if (!line) {
                jump(*w, next.from, next.to);
                continue;
            }
            const QStringList rows = shownRows(line);
            QCOMPARE(jumpsOf(rows).value(0), jumpName(next).replace(" -> ", " "));
            QTest::keyClick(line->list, Qt::Key_Return);
            const QStringList after = shownRows(line);
            const bool goesOn = rows[0].count("->") > 1; // its chain's rest comes first
            chains += goesOn;
            QCOMPARE(after.value(0).startsWith('-'), goesOn);
            QCOMPARE(jumpsOf(after), jumpsOf(rows).mid(1));
        }
        QCOMPARE(shownCount(*w), 1);
        if (how == "moves")
            w->menuItem("mnushowmoves")->trigger();
        QVERIFY(!line || (chains == 13 && line->summary->text().startsWith("The last marble ")));
        const QStringList file =
            QString::fromLatin1(readAll(RecordsFile::defaultPath())).split('\n');
        const QString fewest = file.filter(QRegularExpression("^fewest-moves")).join(',');
        QCOMPARE(file.first() + '|' + fewest.section(' ', 0, 1), recorded);
        QCOMPARE(ViewSetting::read().fewestMovesLine, line != nullptr);
        QVERIFY(!ViewSetting::writeFewestMovesLine(false)); // for the tests after
        w->menuItem("mnurecords")->trigger();
        const RecordsDialog* records = w->findChild<RecordsDialog*>();
        const QLabel* helped = records->fewestMovesWithHelp;
        QCOMPARE(
            QString(records->fewestMoves->text() + '|' +
                    (helped->isVisible() ? helped->text() : QString()))
                .remove(", on " + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)),
            shown);
    }

    // Games that end are kept as they ended, with help or without; the dialog shows them,
    // and Reset asks first.
    void recordsOfFinishedGames() {
        const QString file = RecordsFile::defaultPath();
        QFile::remove(file);
        open({22, 23}, "087");
        jump(*w, 22, 24); // a centre win by hand, 33 seconds used
        open({22, 23, 46}, "TimeOut!!");
        jump(*w, 22, 24); // no jump left
        open({22, 23}, "050");
        w->menuItem("mnushowjumps")->trigger(); // its rings tell which jump keeps the finish: help
        QTRY_VERIFY_WITH_TIMEOUT(made.engine.isReady(), 20000);
        jump(*w, 22, 24);
        w->menuItem("mnushowjumps")->trigger();
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(readAll(file), ("Pebblenix records 1\nplayed 3\ncentre-finishes 2\nbest 1 " +
                                 today + " centre\nfastest 33 " + today + "\nbest-with-help 1 " +
                                 today + " centre\nfastest-with-help 70 " + today + "\n")
                                    .toLatin1());
        w->menuItem("mnurecords")->trigger();
        RecordsDialog* shown = w->findChild<RecordsDialog*>();
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(shown->played->text(), QStringLiteral("3"));
        QCOMPARE(shown->fastest->text(), "33 of 120 seconds, on " + date);
        QVERIFY(!shown->bestWithHelp->isVisible() && !shown->fastestWithHelp->isVisible());

        openLine();
        writeAll(file, "Pebblenix records 1\nplayed many\n"); // damaged: told once, kept aside
        fake.clear();
        for (int round : {1, 2}) {
            open({2, 3});
            jump(*w, 2, 4);
            QCOMPARE(fake.messages.size(), std::size_t(round + 1)); // the file told once
        }
        QCOMPARE(fake.messages[0].icon, MsgIcon::Exclamation);
        QVERIFY(fake.messages[0].text.contains("set aside"));
        QCOMPARE(shown->played->text(), QStringLiteral("2"));      // the dialog follows
        QCOMPARE(shown->best->text(), QStringLiteral("None yet")); // Winning Line is open:
        QVERIFY(shown->bestWithHelp->isVisible());                 // both played with help
        QCOMPARE(shown->bestWithHelp->text(), "One marble, not in the centre, on " + date);

        for (const auto& [answer, played] :
             {std::pair{MsgAnswer::No, "2"}, {MsgAnswer::Yes, "0"}}) {
            fake.answers = {answer};
            shown->resetButton->click();
            QCOMPARE(fake.last().icon, MsgIcon::Question);
            QCOMPARE(shown->played->text(), QString::fromLatin1(played));
        }
        QCOMPARE(shown->best->text(), QStringLiteral("None yet"));
    }
};

QTEST_MAIN(TestLineRecords)
#include "test_line_records.moc"
