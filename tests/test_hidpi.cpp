// The board on a screen of device pixel ratio 2, where the zoom multiplies with the ratio:
// at 100 % every marble pixel becomes a sharp block, never a blur; at every other step the
// marble is a smooth disc drawn for the device's pixels. No table of solutions is found
// here, so Show Jumps can only mark the legal holes and Show Moves count the moves.

#include "drawing/marblepictures.h"
#include "drawing/twips.h"
#include "files/settings.h"
#include "tests/uisupport.h"

#include <QAccessible>
#include <QPainter>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// The window at a stored step, shown; its cells are drawn at ratio 2.
std::unique_ptr<frmgame> windowAt(TestServices& made, int zoom) {
    if (ViewSetting::writeZoom(zoom))
        return nullptr;
    std::unique_ptr<frmgame> w(frmgame::create(made.services));
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()) || w->devicePixelRatioF() != 2.0 ||
        zoomOf(*w) != zoom)
        return nullptr;
    return w;
}

// The largest difference in any channel between the marble in `shown`, its picture's top
// left corner at device pixel `at` and `scale` device pixels to a picture pixel, and the
// ideal disc over `background`: the picture's disc as a shape, its ring a picture pixel
// wide, each device pixel taking the share of each colour that covers it.
int worstDifference(const QImage& shown, QPointF at, double scale, QColor fill, QColor ring,
                    QColor background) {
    const auto inside = [](QPointF p, double inset) {
        const double x = (p.x() - 16.5) / (7.5 - inset), y = (p.y() - 16) / (8 - inset);
        return x * x + y * y <= 1;
    };
    constexpr int kSamples = 8; // each way, in a device pixel
    int worst = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            double mixed[3] = {};
            for (int s = 0; s < kSamples * kSamples; ++s) {
                const QPointF p = (QPointF(x + (s % kSamples + 0.5) / kSamples,
                                           y + (s / kSamples + 0.5) / kSamples) -
                                   at) /
                                  scale;
                const QColor c = inside(p, 1) ? fill : inside(p, 0) ? ring : background;
                mixed[0] += c.red(), mixed[1] += c.green(), mixed[2] += c.blue();
            }
            const QColor seen = shown.pixelColor(x, y);
            const int channels[3] = {seen.red(), seen.green(), seen.blue()};
            for (int i = 0; i < 3; ++i)
                worst =
                    std::max(worst, std::abs(channels[i] - qRound(mixed[i] / kSamples / kSamples)));
        }
    return worst;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    // At 100 % each pixel of the marble is a sharp block of 2 x 2 equal ones.
    void marblesStayCrisp() {
        TestServices made;
        const auto w = windowAt(made, 100);
        QVERIFY(w);
        const int block = 2, zoom = 100;
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

    // At every other step the marble is the ideal disc, anti-aliased: no stair-step edge and
    // no fringe of the picture's transparent black. On the window's cells at ratio 2, and
    // drawn for ratios 1 and 1.5 over the board's colour.
    void smoothMarblesAtEveryOtherStep_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<double>("ratio"); // 0: a cell of the window, at ratio 2
        QTest::addColumn<int>("colour");
        for (int zoom : {125, 150, 200, 250, 300})
            QTest::addRow("%d %%, ratio 1", zoom) << zoom << 1.0 << 101;
        QTest::newRow("125 %, ratio 1.5, white") << 125 << 1.5 << 110;
        QTest::newRow("300 %, ratio 2, yellow") << 300 << 2.0 << 103;
        QTest::newRow("a cell at 150 %") << 150 << 0.0 << 101;
        QTest::newRow("a cell at 200 %") << 200 << 0.0 << 101;
    }
    void smoothMarblesAtEveryOtherStep() {
        QFETCH(int, zoom);
        QFETCH(double, ratio);
        QFETCH(int, colour);
        const QColor fill = marblePicture(colour).pixelColor(16, 16);
        const QColor ring = marblePicture(colour).pixelColor(16, 8);
        QImage shown;
        QColor board(Qt::darkGray);
        QPointF at;
        TestServices made;
        if (ratio == 0) {
            const auto w = windowAt(made, zoom);
            QVERIFY(w);
            shown = w->pic[10]->grab().toImage();
            board = shown.pixelColor(shown.width() / 2, 4);
            ratio = 2;
            at = QPointF(w->pic[10]->pictureOffset()) * ratio;
            shown = shown.copy(QRect(4, 4, shown.width() - 8, shown.height() - 8)); // no border
            at -= QPointF(4, 4);
        } else {
            const QImage picture = marblePicture(colour, ratio, zoom);
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32) * zoom / 100);
            shown = QImage(picture.size(), QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            shown.fill(board);
            QPainter(&shown).drawImage(0, 0, picture);
        }
        const int worst = worstDifference(shown, at, ratio * zoom / 100, fill, ring, board);
        QVERIFY2(worst <= 16, qPrintable(QString::number(worst)));
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
        const auto w = windowAt(made, 250);
        QVERIFY(w);
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
