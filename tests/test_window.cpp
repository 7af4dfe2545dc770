// Playing on the main window: the new board, selecting and jumping, the end of the game,
// the undo file, and reading game files onto the board.

#include "app/fonts.h"
#include "app/frmgame.h"
#include "files/gamefile.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

struct Game {
    FakeUi fake;
    std::unique_ptr<frmgame> w{frmgame::create()};
    frmgame* operator->() const { return w.get(); }

    QString tag(int i) const { return w->pic[static_cast<std::size_t>(i)]->Tag(); }
    bool flat(int i) const { return w->pic[static_cast<std::size_t>(i)]->isFlat(); }
    bool hasPicture(int i) const {
        return !w->pic[static_cast<std::size_t>(i)]->Picture().isNull();
    }
    void jump(int from, int to) {
        w->pic_Click(from);
        w->pic_Click(to);
    }
    int marblesShown() const {
        int n = 0;
        for (int i = 0; i < kCells; ++i)
            n += tag(i) == "1";
        return n;
    }
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString& name, const QByteArray& bytes) {
        writeAll(dir.filePath(name), bytes);
        return dir.filePath(name);
    }

private slots:
    void init() { QFile::remove(undoFilePath(QDir::tempPath())); }

    void aNewBoard() {
        Game g;
        QVERIFY(g.w);
        for (int i = 0; i < kCells; ++i) {
            const bool marble = isHole(i) && i != kCentre;
            QCOMPARE(g.tag(i), QString(marble ? "1" : "-1"));
            QCOMPARE(g.hasPicture(i), marble);
            QCOMPARE(g->pic[static_cast<std::size_t>(i)]->isHidden(), isOffBoard(i));
            QVERIFY(!g.flat(i));
        }
        QCOMPARE(g->Marbles_On_Board, quint8(32));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("32"));
        QCOMPARE(g->lbltime->text(), QStringLiteral("120"));
        QVERIFY(!g->Timer1->isActive());
        QCOMPARE(g->Timer1->interval(), 1000);
        QVERIFY(g->gb_showsave && g->gb_showboredbox);
        QVERIFY(g->PebblenixFile.isEmpty());
        QCOMPARE(g->colid, quint8(101));
    }

    // What the player sees: the whole disc inside the cell, in the marble's colour.
    void marblesAreDrawnWhole() {
        Game g;
        g->show();
        const QImage cell = g->pic[10]->grab().toImage();
        QCOMPARE(cell.pixelColor(12, 12), QColor(0, 0, 128));
        int ring = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                ring += cell.pixelColor(x, y) == QColor(255, 255, 255);
        QVERIFY2(ring >= 42, qPrintable(QString::number(ring)));
        const QImage empty = g->pic[24]->grab().toImage();
        QVERIFY(empty.pixelColor(12, 12) != QColor(0, 0, 128));
    }

    void layoutAndMenus() {
        Game g;
        QCOMPARE(g->centralWidget()->size(), QSize(389, 289));
        QCOMPARE(g->pic[24]->geometry(), QRect(112, 112, 25, 25));
        QCOMPARE(g->Frame1->geometry(), QRect(16, 8, 249, 249));
        QCOMPARE(g->windowTitle(), QStringLiteral("Pebblenix"));
        for (QLabel* label : {g->Label1[0], g->Label1[1], g->lbltime, g->lblmarbles_On_hand})
            QVERIFY2(textFits(label, label->text(), label->wordWrap()), qPrintable(label->text()));
        QVERIFY(textFits(g->lbltime, "TimeOut!!", false));
        QVERIFY(g->Text1->isReadOnly());
        QStringList captions;
        for (QAction* a : g->menuBar()->actions()[0]->menu()->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"&New", "&Open", "&Save", "Save &As", "&Undo", "&Hint",
                                        "Marble &Color", "E&xit"}));
        QCOMPARE(g->mnunew->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(g->mnuopen->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(g->mnusave->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(g->mnuundo->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(g->mnuhint->shortcut(), QKeySequence("Ctrl+H"));
        QStringList colours;
        for (QAction* a : g->menuBar()->actions()[0]->menu()->actions()[6]->menu()->actions())
            colours << a->objectName();
        QCOMPARE(colours,
                 QStringList({"mnu110", "mnu106", "mnu101", "mnu108", "mnu104", "mnu111", "mnu103",
                              "mnu105", "mnu102", "mnu107", "mnu109", "mnu112"}));
        const QSize fixed = g->size();
        g->resize(600, 600);
        QCOMPARE(g->size(), fixed);
    }

    void clickingTheEmptyCentreOnlyStartsTheClock() {
        Game g;
        g->pic_Click(24);
        QVERIFY(g->Timer1->isActive());
        QCOMPARE(g->gb_ctr % 2, 0);
        QCOMPARE(g.marblesShown(), 32);
    }

    void theFirstJumpSavesTheStartForUndo() {
        Game g;
        g.jump(10, 24);
        QCOMPARE(g.tag(10), QStringLiteral("-1"));
        QCOMPARE(g.tag(17), QStringLiteral("-1"));
        QCOMPARE(g.tag(24), QStringLiteral("1"));
        QVERIFY(!g.hasPicture(10) && !g.hasPicture(17) && g.hasPicture(24));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("31"));
        QCOMPARE(g->Marbles_On_Board, quint8(31));
        QVERIFY(!g.flat(10));
        QCOMPARE(readAll(g->TempFilePath()), newGameFile());
        QVERIFY(g.fake.messages.empty());
    }

    void selection() {
        Game g;
        g->pic_Click(10);
        QVERIFY(g.flat(10));
        QCOMPARE(g->gi_from, std::int16_t(10));
        g->pic_Click(10); // the same marble again drops it
        QVERIFY(!g.flat(10));
        QCOMPARE(g->gb_ctr % 2, 0);
        g->pic_Click(10);
        g->pic_Click(16); // another marble: A is dropped, B is not selected
        QVERIFY(!g.flat(10) && !g.flat(16));
        QCOMPARE(g->gb_ctr % 2, 0);
        g->pic_Click(16);
        QVERIFY(g.flat(16));
    }

    void illegalJumpsMoveNothing_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("distance one") << 23 << 24;
        QTest::newRow("distance three") << 21 << 24;
        QTest::newRow("diagonal") << 26 << 10;
        QTest::newRow("over an empty hole") << 3 << 17;
    }
    void illegalJumpsMoveNothing() {
        QFETCH(int, from);
        QFETCH(int, to);
        Game g;
        g.jump(10, 24); // opens 10 and 17
        g.jump(from, to);
        QCOMPARE(g.marblesShown(), 31);
        QCOMPARE(g->Marbles_On_Board, quint8(31));
        for (int i = 0; i < kCells; ++i)
            QVERIFY(!g.flat(i));
    }

    void endOfGame() {
        Game g;
        g->OpenPebblenixFile(file("win.pnx", gameFileWith({10, 17}, "087", "2")));
        g.jump(10, 24);
        QCOMPARE(g.fake.messages.size(), std::size_t(1));
        QCOMPARE(g.fake.last().text, QStringLiteral("You won The Game "));
        QCOMPARE(g.fake.last().title, QStringLiteral("Congratulations"));
        QCOMPARE(g.fake.last().icon, MsgIcon::Exclamation);
        QCOMPARE(g.fake.last().buttons, MsgButtons::Ok);

        g->mnuundo_Click(); // two marbles again, and the same jump praises again
        QCOMPARE(g->Marbles_On_Board, quint8(2));
        g.jump(10, 24);
        QCOMPARE(g.fake.messages.size(), std::size_t(2));

        g->OpenPebblenixFile(file("edge.pnx", gameFileWith({2, 3}, "087", "2")));
        g.jump(2, 4);
        QCOMPARE(
            g.fake.last().text,
            QStringLiteral("Well played !! try to get the last marble\r\n in  the center square"));
        QCOMPARE(g.fake.last().icon, MsgIcon::Information);
        g->pic_Click(4); // the last marble can still be selected and dropped
        QVERIFY(g.flat(4));
        g->pic_Click(4);
        QVERIFY(!g.flat(4));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("1"));
    }

    void noMessageWhileTwoMarblesAreStuck() {
        Game g;
        g->OpenPebblenixFile(file("stuck.pnx", gameFileWith({2, 46}, "120", "2")));
        g.jump(2, 16);
        QVERIFY(g.fake.messages.empty());
        QVERIFY(g->OpenPebblenixFile(file("one.pnx", gameFileWith({24}, "120", "1"))));
        QVERIFY(g.fake.messages.empty()); // opening a finished game says nothing
    }

    void undo() {
        Game g;
        g->mnuundo_Click(); // nothing to undo yet
        QCOMPARE(g.marblesShown(), 32);
        g->lbltime->setText("100");
        g.jump(10, 24); // A
        const Marbles afterA = g->board();
        g->lbltime->setText("090");
        g->mnuundo_Click();
        QCOMPARE(g->board(), startPosition());
        QCOMPARE(g->lbltime->text(), QStringLiteral("100"));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("32"));
        g->mnuundo_Click(); // the same position again
        QCOMPARE(g->board(), startPosition());
        g.jump(10, 24);
        g.jump(31, 17); // B
        g->mnuundo_Click();
        QCOMPARE(g->board(), afterA);
        g->mnuundo_Click();
        QCOMPARE(g->board(), afterA);
        // Undo reads the undo file but never makes it the player's file.
        QVERIFY(g->gb_showsave);
        QVERIFY(g->PebblenixFile.isEmpty());
    }

    void aDamagedUndoFileIsReportedAndTheGameGoesOn() {
        Game g;
        g.jump(10, 24);
        writeAll(g->TempFilePath(), "rubbish");
        g->mnuundo_Click();
        QCOMPARE(g.fake.messages.size(), std::size_t(1));
        QVERIFY(g.fake.last().text.startsWith("You have provided an invalid file format\r\n"));
        QCOMPARE(g.marblesShown(), 31);
        QVERIFY(g.fake.endedWith.empty());
    }

    // A selection made before an Open or an Undo must not jump from a cell now empty.
    void aStaleSelectionCannotCreateAMarble() {
        Game g;
        g->pic_Click(10);
        g->OpenPebblenixFile(file("stale.pnx", gameFileWith({17, 31}, "120", "2")));
        QVERIFY(g.flat(10)); // the selection stays in force
        g->pic_Click(24);
        QCOMPARE(g.tag(24), QStringLiteral("-1"));
        QCOMPARE(g->Marbles_On_Board, quint8(2));
        QVERIFY(!g.flat(10));
    }

    void theCountNeverWrapsBelowZero() {
        Game g;
        g->OpenPebblenixFile(file("zero.pnx", gameFileWith({10, 17, 30}, "120", "0")));
        g.jump(10, 24);
        QCOMPARE(g->Marbles_On_Board, quint8(0));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("0"));
    }

    void aJumpIsRefusedWhenTheUndoFileCannotBeWritten() {
        Game g;
        g->tempdir = dir.filePath("gone"); // the temporary folder vanished
        g.jump(10, 24);
        QCOMPARE(g.marblesShown(), 32);
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("32"));
        QCOMPARE(g.fake.messages.size(), std::size_t(1));
        QCOMPARE(g.fake.last().icon, MsgIcon::Critical);
        QCOMPARE(g.fake.last().title, QStringLiteral("Pebblenix"));
        QVERIFY(g.fake.last().text.contains("undo file"));
        QVERIFY(g.fake.last().text.contains(dir.filePath("gone")));
        QVERIFY(!g.flat(10));
    }

    void readingAFile() {
        Game g;
        g.jump(10, 24);
        const QByteArray undo = readAll(g->TempFilePath());
        QVERIFY(g->OpenPebblenixFile(file(
            "five.pnx", gameFileWith({0, 2, 3, 4, 9, 10, 11, 15, 16, 17, 18}, "TimeOut!!", "5"))));
        QCOMPARE(g->Marbles_On_Board, quint8(5));
        QCOMPARE(g->lblmarbles_On_hand->text(), QStringLiteral("5"));
        QCOMPARE(g->lbltime->text(), QStringLiteral("TimeOut!!"));
        QCOMPARE(g.tag(0), QStringLiteral("1")); // a corner cell takes the marble...
        QVERIFY(g->pic[0]->isHidden());          // ...and stays hidden
        QCOMPARE(g->PebblenixFile, dir.filePath("five.pnx"));
        QVERIFY(!g->gb_showsave);
        QCOMPARE(readAll(g->TempFilePath()), undo); // opening leaves the undo file alone

        Game fresh; // opening before the first click shows the file's clock, not running
        fresh->OpenPebblenixFile(dir.filePath("five.pnx"));
        QCOMPARE(fresh->lbltime->text(), QStringLiteral("TimeOut!!"));
        QVERIFY(!fresh->Timer1->isActive());
    }

    void invalidFilesLeaveEverythingAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("line 3 is 2") << QByteArray("-1\r\n-1\r\n2\r\n") << "line 3 is \"2\"";
        QTest::newRow("50 lines")
            << gameFileWith({}, "120", "").left(gameFileWith({}, "120", "").size() - 2)
            << "50 lines";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "binary data";
    }
    void invalidFilesLeaveEverythingAsItWas() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Game g;
        g.jump(10, 24);
        g->lbltime->setText("077");
        const QString before = dir.filePath("before.pnx");
        QVERIFY(!g->SavePebblenixFile(before));
        g->PebblenixFile = before;
        g->gb_showsave = false;
        const QByteArray undo = readAll(g->TempFilePath());
        const QString bad = file("bad.pnx", bytes);
        QVERIFY(!g->OpenPebblenixFile(bad));
        QCOMPARE(g.fake.messages.size(), std::size_t(1));
        const QStringList lines = g.fake.last().text.split("\r\n");
        QCOMPARE(lines[0], QStringLiteral("You have provided an invalid file format"));
        QVERIFY(lines[1].contains(bad));
        QVERIFY2(lines[1].contains(problem), qPrintable(lines[1]));
        QCOMPARE(g.fake.last().icon, MsgIcon::Critical);
        QCOMPARE(g.fake.last().title, QStringLiteral("Pebblenix"));
        QVERIFY(g.fake.endedWith.empty());
        const QString after = dir.filePath("after.pnx");
        QVERIFY(!g->SavePebblenixFile(after));
        QCOMPARE(readAll(after), readAll(before));
        QCOMPARE(g->PebblenixFile, before);
        QVERIFY(!g->gb_showsave);
        QCOMPARE(readAll(g->TempFilePath()), undo);
        QCOMPARE(g->Marbles_On_Board, quint8(31));
    }

    void aMissingFolderIsSilent() {
        Game g;
        QVERIFY(!g->OpenPebblenixFile(dir.filePath("nowhere/x.pnx")));
        QVERIFY(g.fake.messages.empty());
        QCOMPARE(g.marblesShown(), 32);
        QVERIFY(g->PebblenixFile.isEmpty());
        QVERIFY(g->gb_showsave);
    }

    void theClockTicks() {
        Game g;
        g->pic_Click(24);
        for (int i = 0; i < 21; ++i)
            g->Timer1_Timer();
        QCOMPARE(g->lbltime->text(), QStringLiteral("099"));
        for (int i = 0; i < 99; ++i)
            g->Timer1_Timer();
        QCOMPARE(g->lbltime->text(), QStringLiteral("TimeOut!!"));
        g.jump(10, 24); // play goes on after the time is out
        QCOMPARE(g->Marbles_On_Board, quint8(31));
        g->Timer1_Timer();
        QCOMPARE(g->lbltime->text(), QStringLiteral("TimeOut!!"));
    }

    void shortcutsActLikeTheMenu() {
        Game g;
        g->show();
        g->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.w.get()));
        g.jump(10, 24);
        QTest::keyClick(g.w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g->board(), startPosition());
    }
};

PEBBLENIX_TEST_MAIN(TestWindow)
#include "test_window.moc"
