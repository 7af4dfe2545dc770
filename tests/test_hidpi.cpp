// The board on a screen of device pixel ratio 2: every marble pixel becomes a sharp
// 2 x 2 block, never a blur.

#include "app/frmgame.h"
#include "resources/marblepictures.h"
#include "tests/uisupport.h"

#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void marblesStayCrispAtRatioTwo() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        const QImage cell = w->pic[10]->grab().toImage();
        QCOMPARE(cell.devicePixelRatio(), 2.0);
        QCOMPARE(cell.size(), QSize(50, 50));
        const MarbleColours colours = *marbleColours(101);
        int checked = 0;
        for (int y = 0; y < kPictureSize; ++y)
            for (int x = 0; x < kPictureSize; ++x) {
                const int cx = x - 4, cy = y - 4; // where the picture lands in the cell
                if (!inDisc(x, y) || cx < 1 || cy < 1 || cx > 23 || cy > 23)
                    continue;
                const QRgb expected = onRing(x, y) ? colours.ring : colours.fill;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        QCOMPARE(cell.pixel(2 * cx + dx, 2 * cy + dy), expected);
                ++checked;
            }
        QCOMPARE(checked, 192); // the whole disc is inside the cell

        const QImage icon = w->windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                 marblePicture(kAppIconId, 2).convertToFormat(QImage::Format_ARGB32));
    }
};

int main(int argc, char** argv) {
    PrivateFolders folders;
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_hidpi.moc"
