// The window as the player sees and uses it: what the board shows after each click, the
// messages at the end, Undo, Hint, Rewind and Review, the keyboard and what a screen reader
// is told.

#include "app/hintservice.h"
#include "app/reviewdialog.h"
#include "tests/uisupport.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// What the cell shows, as the eye sees it and as a screen reader is told.
QString looks(frmgame& w, int cell) {
    BoardCell* c = w.pic[static_cast<std::size_t>(cell)];
    const bool navy = c->grab().toImage().pixelColor(12, 12) == QColor(0, 0, 128);
    return (navy ? "navy " : "") +
           QAccessible::queryAccessibleInterface(c)->text(QAccessible::Description);
}

QString accessibleName(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

void press(Qt::Key key, int times = 1) {
    for (int n = 0; n < times; ++n)
        QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    FakeUi fake;
    std::unique_ptr<frmgame> w;

private slots:
    void init() {
        fake.clear();
        w.reset(frmgame::create());
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    // A jump and its Undo, as the eye and a screen reader see them.
    void aJumpAndItsUndo() {
        for (int i = 0; i < kCells; ++i)
            QCOMPARE(w->pic[static_cast<std::size_t>(i)]->isVisible(), isHole(i));
        QCOMPARE(accessibleName(w->pic[10]), QStringLiteral("d2"));
        QCOMPARE(looks(*w, 24), QStringLiteral("empty"));
        w->mnuundo_Click(); // nothing to undo yet
        for (int i = 0; i < 20; ++i)
            w->Timer1_Timer();
        w->pic_Click(10);
        QVERIFY(w->pic[10]->isFlat() && w->Timer1->isActive());
        QCOMPARE(looks(*w, 10), QStringLiteral("navy selected marble"));
        w->pic_Click(24);
        QVERIFY(!w->pic[10]->isFlat());
        for (const auto& [cell, shows] :
             {std::pair{10, "empty"}, {17, "empty"}, {24, "navy marble"}})
            QCOMPARE(looks(*w, cell), QString::fromLatin1(shows));
        QCOMPARE(accessibleName(w->lblmarbles_On_hand), QStringLiteral("Marbles On Board: 31"));
        QCOMPARE(readAll(w->TempFilePath()),
                 formatGameFile(newGamePosition()).replace("120", "100"));
        w->Timer1_Timer();
        QCOMPARE(accessibleName(w->lbltime), QStringLiteral("Time on Hand: 099"));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->game.marbles(), startPosition());
        QCOMPARE(w->lbltime->text(), QStringLiteral("100"));
        QCOMPARE(w->lblmarbles_On_hand->text(), QStringLiteral("32"));
        QVERIFY(w->gb_showsave && w->PebblenixFile.isEmpty() && fake.messages.empty());
    }

    // The count line, not the board, decides the end; it stops at 0.
    void theEndOfTheGame_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text"); // empty: no message
        QTest::addColumn<int>("from");     // jumping right, by two
        const QString offCentre =
            "Well played !! try to get the last marble\r\n in  the center square";
        QTest::newRow("won") << gameFileWith({22, 23}) << "You won The Game " << 22;
        QTest::newRow("off centre") << gameFileWith({2, 3}) << offCentre << 2;
        QTest::newRow("the count decides")
            << gameFileWith({2, 3, 46}, "120", "2") << offCentre << 2;
        QTest::newRow("floor at zero") << gameFileWith({2, 3}, "120", "0") << QString() << 2;
    }
    void theEndOfTheGame() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(int, from);
        writeAll(dir.filePath("end.pnx"), file);
        QVERIFY(w->OpenPebblenixFile(dir.filePath("end.pnx")));
        const int count = file.mid(file.lastIndexOf('\n') + 1).toInt();
        for (int round : {1, 2}) { // Undo, and the same jump tells again
            w->pic_Click(from);
            w->pic_Click(from + 2);
            QCOMPARE(fake.messages.size(), std::size_t(text.isEmpty() ? 0 : round));
            QVERIFY(!w->pic[std::size_t(from)]->isFlat());
            QCOMPARE(int(w->Marbles_On_Board()), std::max(0, count - 1));
            w->mnuundo_Click();
        }
        if (text.isEmpty())
            return;
        QCOMPARE(fake.last().title, QStringLiteral("Congratulations"));
        QCOMPARE(fake.last().text, text);
        QCOMPARE(fake.last().icon,
                 text.startsWith("You won") ? MsgIcon::Exclamation : MsgIcon::Information);
    }

    // The table loads in the background while the board goes on taking clicks; a hint
    // selects a marble and blinks the hole it should jump to.
    void aHint() {
        QVERIFY(!HintService::instance().isReady());
        w->mnuhint_Click();
        w->pic_Click(30);
        QTRY_VERIFY_WITH_TIMEOUT(HintService::instance().isReady(), 20000);
        const auto from = w->game.selection();
        QVERIFY(from && from != 30 && w->pic[std::size_t(*from)]->isFlat());
        int marked = -1;
        for (int i = 0; i < kCells; ++i)
            marked = w->pic[std::size_t(i)]->isMarked() ? i : marked;
        QVERIFY(jumpedCell(*from, marked));
        w->pic_Click(marked);
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("lost.pnx")));
        w->mnuhint_Click();
        QCOMPARE(fake.last().text, QStringLiteral("No finish with the last marble in the centre "
                                                  "is possible from here."));
        QVERIFY(!w->game.selection());
    }

    // Ctrl+R and Review Game, on a game whose fifth jump lost the centre finish.
    void rewindAndReview() {
        fake.saveAs(*w, dir.filePath("mine.pnx"));
        for (int cell : {38, 24, 17, 31, 22, 24, 37, 23, 24, 22, 9, 23})
            w->pic_Click(cell);
        w->mnureview->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w->frmreview && w->frmreview->isVisible(), 20000);
        ReviewDialog* review = w->frmreview;
        QCOMPARE(review->list->topLevelItemCount(), 6);
        QCOMPARE(review->list->currentItem()->text(1), QStringLiteral("d4 -> b4"));
        QVERIFY(review->summary->text().startsWith("Jump 5, d4\u00A0-\u2060>\u00A0b4, lost"));

        QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w->lblmarbles_On_hand->text(), QStringLiteral("28"));
        QCOMPARE(review->list->topLevelItemCount(), 4); // the dialog follows the board
        QCOMPARE(w->PebblenixFile, dir.filePath("mine.pnx"));
        QVERIFY(!w->gb_showsave);
        QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(fake.last().text,
                 QStringLiteral("You can still finish with the last marble in the centre."));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(review->list->topLevelItemCount(), 6);
        review->list->setCurrentItem(review->list->topLevelItem(0)); // by keyboard: Enter
        QTest::keyClick(review->list, Qt::Key_Return);
        QCOMPARE(w->game.marbles(), startPosition());
        QCOMPARE(review->list->topLevelItemCount(), 0);
        QCOMPARE(fake.messages.size(), std::size_t(1));
    }

    void playingByKeyboard() {
        QVERIFY(!w->pic[kCentre]->showsFocusMark()); // no mark until the keyboard is used
        press(Qt::Key_Up, 3);
        QVERIFY(w->pic[3]->hasFocus() && w->pic[3]->showsFocusMark());
        press(Qt::Key_Left, 2); // b1 and a1 are off the board: stay on c1
        QVERIFY(w->pic[2]->hasFocus());
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        press(Qt::Key_Space); // d2
        QVERIFY(w->pic[10]->isFlat());
        press(Qt::Key_Down, 2);
        press(Qt::Key_Return); // d4
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
