// The board on a screen of device pixel ratio 2, where the zoom multiplies with the ratio:
// every marble pixel becomes a sharp block, never a blur. No table of solutions is found
// here, so Show Jumps can only mark the legal holes and Show Moves count the moves.

#include "drawing/marblepictures.h"
#include "drawing/twips.h"
#include "files/settings.h"
#include "tests/uisupport.h"

#include <QAccessible>

using namespace pebblenix;
using namespace pebblenix::test;

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void marblesStayCrisp_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("block"); // device pixels to a picture pixel, each way
        QTest::newRow("100 %") << 100 << 2;
        QTest::newRow("150 %") << 150 << 3;
        QTest::newRow("200 %") << 200 << 4;
    }
    void marblesStayCrisp() {
        QFETCH(int, zoom);
        QFETCH(int, block);
        TestServices made;
        QVERIFY(!ViewSetting::writeZoom(zoom));
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        QCOMPARE(zoomOf(*w), zoom);
        const QImage cell = w->pic[10]->grab().toImage();
        QCOMPARE(cell.devicePixelRatio(), 2.0);
        QCOMPARE(cell.size(), QSize(2, 2) * px(375, zoom));
        // Each pixel of the marble as drawn for ratio 1 is a block of equal ones, all inside
        // the cell; the picture starts 4 of its pixels above and left of the cell.
        const QImage one = marblePicture(101, 1);
        for (int y = 0; y < kPictureSize; ++y)
            for (int x = 0; x < kPictureSize; ++x)
                for (int d = 0; d < block * block && qAlpha(one.pixel(x, y)); ++d)
                    QCOMPARE(cell.pixel(block * (x - 4) + d % block, block * (y - 4) + d / block),
                             one.pixel(x, y));
        const QImage icon = w->windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                 marblePicture(kAppIconId, 2).convertToFormat(QImage::Format_ARGB32));
    }

    void showJumpsWithoutTheTable() {
        TestServices made;
        QVERIFY(!ViewSetting::writeShowJumps(true));
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        w->pic_Click(10);
        QTRY_VERIFY_WITH_TIMEOUT(made.engine.isReady(), 10000);
        QCOMPARE(w->pic[24]->jumpMark(), JumpMark::Legal);
        QCOMPARE(QAccessible::queryAccessibleInterface(w->pic[24])->text(QAccessible::Description),
                 QStringLiteral("empty, the picked-up marble can jump here"));
        QVERIFY(made.fake.messages.empty()); // the marks say enough
    }

    // Without the tables Show Moves shows the moves alone, and says nothing; its line takes
    // a step of zoom the screen has room for without it, and gives it back.
    void showMovesWithoutTheTable() {
        TestServices made;
        QVERIFY(!ViewSetting::writeZoom(250));
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(zoomOf(*w), 250);
        w->menuItem("mnushowmoves")->trigger();
        QCOMPARE(zoomOf(*w), 200);
        jump(*w);
        QTRY_VERIFY_WITH_TIMEOUT(made.engine.movesReady(), 10000);
        QCOMPARE(w->findChild<QLabel*>("lblmoves")->text() + '|' +
                     w->findChild<QLabel*>("lblfewest")->text(),
                 QStringLiteral("Moves: 1|"));
        w->menuItem("mnushowmoves")->trigger();
        QCOMPARE(zoomOf(*w), 250);
        QVERIFY(ViewSetting::read().zoom == 250 && made.fake.messages.empty());
    }
};

int main(int argc, char** argv) {
    PrivateFolders folders;
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("PEBBLENIX_SOLUTIONS", QFile::encodeName(folders.root.filePath("missing.bin")));
    useScreenOf(2000, 1560); // 250 % fits, with Show Moves' line only 200 %
    QApplication app(argc, argv);
    TestHiDpi tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_hidpi.moc"
