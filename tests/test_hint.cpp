// The Hint command on the window: the table loads in the background, the hint selects
// a marble and marks its hole, and following the hints wins.

#include "app/frmgame.h"
#include "app/hintservice.h"
#include "tests/uisupport.h"

#include <QLabel>
#include <QTemporaryDir>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// The empty hole that blinks, or -1.
int markedCell(frmgame* w) {
    for (int i = 0; i < kCells; ++i)
        if (w->pic[static_cast<std::size_t>(i)]->isMarked() && !w->game.hasMarble(i))
            return i;
    return -1;
}

} // namespace

class TestHint : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;

private slots:
    void theFirstHintLoadsTheTableInTheBackground() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        QVERIFY(!HintService::instance().isReady());
        w->mnuhint_Click();
        w->pic_Click(30); // the board still takes clicks while the table loads
        QTRY_VERIFY_WITH_TIMEOUT(HintService::instance().isReady(), 20000);
        QVERIFY(fake.messages.empty());
        QVERIFY(w->game.selection() != std::optional<int>(30)); // the hint's own selection
    }

    void followingEveryHintWins() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        for (int n = 0; n < 31; ++n) {
            w->mnuhint_Click();
            const auto from = w->game.selection();
            const int to = markedCell(w.get());
            QVERIFY(from && to >= 0);
            QVERIFY(w->pic[static_cast<std::size_t>(*from)]->isFlat());
            w->pic_Click(to);
        }
        QCOMPARE(fake.last().text, QStringLiteral("You won The Game "));
        QCOMPARE(w->lbltime->text(), QStringLiteral("120")); // hints never start the clock
    }

    void noFinishIsSaidPlainly() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("lost.pnx")));
        w->mnuhint_Click();
        QCOMPARE(
            fake.last().text,
            QStringLiteral("No finish with the last marble in the centre is possible from here."));
        QCOMPARE(fake.last().icon, MsgIcon::Information);
        QVERIFY(!w->game.selection());
    }
};

QTEST_MAIN(TestHint)
#include "test_hint.moc"
