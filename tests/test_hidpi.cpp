// The board on a screen of device pixel ratio 2: every marble pixel becomes a sharp
// 2 x 2 block, never a blur.

#include "resources/marblepictures.h"
#include "tests/uisupport.h"

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
        // Each pixel of the marble as drawn for ratio 1 is a block of four equal ones.
        const QImage one = marblePicture(101, 1);
        int checked = 0;
        for (int y = 1; y < 24; ++y) // inside the cell's frame; the picture starts 4 above
            for (int x = 1; x < 24; ++x)
                for (int d = 0; d < 4 && inDisc(x + 4, y + 4); ++d, ++checked)
                    QCOMPARE(cell.pixel(2 * x + d % 2, 2 * y + d / 2), one.pixel(x + 4, y + 4));
        QCOMPARE(checked, 4 * 192); // the whole disc is inside the cell
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
