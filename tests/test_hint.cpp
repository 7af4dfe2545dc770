// The Hint command on the window: the table loads in the background while the board goes
// on taking clicks; a hint selects a marble without starting the clock and blinks the hole
// it should jump to; a lost position is said plainly.

#include "app/frmgame.h"
#include "app/hintservice.h"
#include "tests/uisupport.h"

#include <QLabel>
#include <QTemporaryDir>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

class TestHint : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;

private slots:
    void aHint() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        QVERIFY(!HintService::instance().isReady());
        w->mnuhint_Click();
        w->pic_Click(30); // the board still takes clicks while the table loads
        QTRY_VERIFY_WITH_TIMEOUT(HintService::instance().isReady(), 20000);
        const auto from = w->game.selection();
        QVERIFY(from && from != 30 && w->pic[std::size_t(*from)]->isFlat());
        int marked = -1;
        for (int i = 0; i < kCells; ++i)
            if (w->pic[std::size_t(i)]->isMarked())
                marked = i;
        QCOMPARE(jumpedCell(*from, marked).has_value(), true);
        w->pic_Click(marked);
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
        QVERIFY(fake.messages.empty());

        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("lost.pnx")));
        w->mnuhint_Click();
        QCOMPARE(fake.last().text, QStringLiteral("No finish with the last marble in the centre "
                                                  "is possible from here."));
        QVERIFY(!w->game.selection());
    }
};

QTEST_MAIN(TestHint)
#include "test_hint.moc"
