// Playing with the keyboard alone, and what a screen reader is told.

#include "app/frmgame.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

int focusedCell(frmgame* w) {
    for (int i = 0; i < kCells; ++i)
        if (w->pic[static_cast<std::size_t>(i)]->hasFocus())
            return i;
    return -1;
}

void press(frmgame* w, Qt::Key key, int times = 1) {
    for (int n = 0; n < times; ++n)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key);
}

QString accessible(QObject* o, QAccessible::Text t) {
    return QAccessible::queryAccessibleInterface(o)->text(t);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    FakeUi fake;
    std::unique_ptr<frmgame> w;

private slots:
    void init() {
        w.reset(frmgame::create());
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void arrowsWalkTheHolesOnly() {
        QCOMPARE(focusedCell(w.get()), kCentre);
        QVERIFY(!w->pic[kCentre]->showsFocusMark()); // no mark until the keyboard is used
        press(w.get(), Qt::Key_Up, 3);
        QCOMPARE(focusedCell(w.get()), 3);
        QVERIFY(w->pic[3]->showsFocusMark());
        press(w.get(), Qt::Key_Up); // the edge: stay
        QCOMPARE(focusedCell(w.get()), 3);
        press(w.get(), Qt::Key_Left);
        press(w.get(), Qt::Key_Left); // b1 is off the board, and so is a1: stay on c1
        QCOMPARE(focusedCell(w.get()), 2);
        press(w.get(), Qt::Key_Down, 2);
        press(w.get(), Qt::Key_Left, 2);
        QCOMPARE(focusedCell(w.get()), 14);
        press(w.get(), Qt::Key_Up); // a2 and a1 are corners: stay on a3
        QCOMPARE(focusedCell(w.get()), 14);
        press(w.get(), Qt::Key_Down, 4); // a4, a5, then the corner below: stay on a5
        QCOMPARE(focusedCell(w.get()), 28);
        for (int i = 0; i < kCells; ++i) // the hidden corners never take the focus
            if (isOffBoard(i))
                QVERIFY(!w->pic[static_cast<std::size_t>(i)]->isVisible());
    }

    void spaceAndEnterPlayLikeClicks() {
        press(w.get(), Qt::Key_Up, 2); // d2
        QVERIFY(!w->Timer1->isActive());
        press(w.get(), Qt::Key_Space);
        QVERIFY(w->Timer1->isActive()); // the same path as a click
        QVERIFY(w->pic[10]->isFlat());
        QVERIFY(w->pic[10]->showsFocusMark()); // focus and selection show both, differently
        press(w.get(), Qt::Key_Down, 2);
        press(w.get(), Qt::Key_Return);
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        QCOMPARE(w->pic[24]->Tag(), QStringLiteral("1"));
        QCOMPARE(w->pic[10]->Tag(), QStringLiteral("-1"));
    }

    void screenReadersHearEveryHole() {
        QCOMPARE(accessible(w->pic[10], QAccessible::Name), QStringLiteral("d2"));
        QCOMPARE(accessible(w->pic[10], QAccessible::Description), QStringLiteral("marble"));
        QCOMPARE(accessible(w->pic[24], QAccessible::Name), QStringLiteral("d4"));
        QCOMPARE(accessible(w->pic[24], QAccessible::Description), QStringLiteral("empty"));
        w->pic_Click(10);
        QCOMPARE(accessible(w->pic[10], QAccessible::Description),
                 QStringLiteral("selected marble"));
        QVERIFY(QAccessible::queryAccessibleInterface(w->pic[10])->state().checked);
        w->pic_Click(24);
        QCOMPARE(accessible(w->pic[10], QAccessible::Description), QStringLiteral("empty"));
        QVERIFY(!QAccessible::queryAccessibleInterface(w->pic[24])->state().checked);
        QCOMPARE(accessible(w->lblmarbles_On_hand, QAccessible::Name),
                 QStringLiteral("Marbles On Board: 31"));
        QCOMPARE(accessible(w->lbltime, QAccessible::Name), QStringLiteral("Time on Hand: 120"));
        w->Timer1_Timer();
        QCOMPARE(accessible(w->lbltime, QAccessible::Name), QStringLiteral("Time on Hand: 119"));
    }
};

PEBBLENIX_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
