// The marble pictures: shape, colours, transparency, and crispness when doubled.

#include "resources/marblepictures.h"
#include "tests/testsupport.h"

using namespace pebblenix;

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void discAndRingShape() {
        int disc = 0, ring = 0;
        for (int y = 0; y < kPictureSize; ++y)
            for (int x = 0; x < kPictureSize; ++x) {
                disc += inDisc(x, y);
                ring += onRing(x, y);
            }
        QCOMPARE(disc, 192);
        QCOMPARE(ring, 42);
        // neighbouring marbles keep a gap: 9 clear columns left, 8 right, 8 rows each way
        for (int y = 0; y < kPictureSize; ++y)
            for (int x = 0; x < kPictureSize; ++x)
                if (inDisc(x, y))
                    QVERIFY(x >= 9 && x <= 23 && y >= 8 && y <= 23);
    }

    void everyColour_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("ring");
        const QColor white(255, 255, 255);
        QTest::newRow("app icon") << 1 << QColor(0, 0, 128) << white;
        QTest::newRow("dark blue") << 101 << QColor(0, 0, 128) << white;
        QTest::newRow("red") << 102 << QColor(255, 0, 0) << white;
        QTest::newRow("yellow") << 103 << QColor(255, 255, 0) << white;
        QTest::newRow("green") << 104 << QColor(0, 128, 0) << white;
        QTest::newRow("pink") << 105 << QColor(255, 0, 255) << white;
        QTest::newRow("blue") << 106 << QColor(0, 0, 255) << white;
        QTest::newRow("purple") << 107 << QColor(128, 0, 128) << white;
        QTest::newRow("sky blue") << 108 << QColor(0, 255, 255) << white;
        QTest::newRow("brown") << 109 << QColor(128, 0, 0) << white;
        QTest::newRow("white") << 110 << white << white;
        QTest::newRow("military green") << 111 << QColor(128, 128, 0) << QColor(128, 128, 0);
        QTest::newRow("black") << 112 << QColor(0, 0, 0) << QColor(0, 0, 0);
    }
    void everyColour() {
        QFETCH(int, id);
        QFETCH(QColor, fill);
        QFETCH(QColor, ring);
        const QImage image = marblePicture(id);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixelColor(16, 15), fill); // inside
        QCOMPARE(image.pixelColor(9, 15), ring);  // left edge of the disc
        QCOMPARE(image.pixelColor(16, 8), ring);  // top of the disc
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(8, 15).alpha(), 0);
    }

    void onlyTheKnownIdsHavePictures() {
        for (int id : {0, 2, 50, 100, 113, 255, -1})
            QVERIFY_THROWS_EXCEPTION(MissingPicture, marblePicture(id));
    }

    void doubledPicturesStayCrisp() {
        const QImage one = marblePicture(102, 1);
        const QImage two = marblePicture(102, 2);
        QCOMPARE(two.size(), QSize(64, 64));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                QCOMPARE(two.pixel(x, y), one.pixel(x / 2, y / 2));
    }
};

PEBBLENIX_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
