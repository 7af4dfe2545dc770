// The countdown's arithmetic, driven tick by tick.

#include "game/clock.h"
#include <QTest>

using namespace pebblenix;

namespace {
QString tick(const QString& text) {
    return QString::fromStdString(clockTick(text.toStdString()));
}
} // namespace

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void readsTheLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "120" << 120.0;
        QTest::newRow("padded") << "007" << 7.0;
        QTest::newRow("blanks anywhere") << " 1 2\t3\n" << 123.0;
        QTest::newRow("sign") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("fraction") << "5.25" << 5.25;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("D exponent") << "2D2" << 200.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("stops at minus") << "0-1" << 0.0;
        QTest::newRow("words") << "TimeOut!!" << 0.0;
        QTest::newRow("abc") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex is 16-bit signed") << "&HFFFF" << -1.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("trailing text") << "87abc" << 87.0;
    }
    void readsTheLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readNumber(text.toStdString()), value);
    }

    void aFullRunFrom120() {
        QString shown = QStringLiteral("120");
        QStringList seen;
        for (int t = 1; t <= 125; ++t) {
            shown = tick(shown);
            seen << shown;
        }
        QCOMPARE(seen[0], QStringLiteral("119"));
        QCOMPARE(seen[19], QStringLiteral("100"));
        QCOMPARE(seen[20], QStringLiteral("099"));
        QCOMPARE(seen[110], QStringLiteral("009"));
        QCOMPARE(seen[118], QStringLiteral("001"));
        QCOMPARE(seen[119], QStringLiteral("TimeOut!!"));
        QVERIFY(!seen.contains(QStringLiteral("000")));
        for (int t = 120; t < 125; ++t)
            QCOMPARE(seen[t], QStringLiteral("TimeOut!!"));
    }

    void restoredTexts_data() {
        QTest::addColumn<QString>("restored");
        QTest::addColumn<QString>("next");
        QTest::newRow("time out stays") << "TimeOut!!"
                                        << "TimeOut!!";
        QTest::newRow("not a number") << "abc"
                                      << "TimeOut!!";
        QTest::newRow("short") << "5"
                               << "004";
        QTest::newRow("small negative") << "-5"
                                        << "TimeOut!!";
        QTest::newRow("two-digit negative") << "-9"
                                            << "-10";
        QTest::newRow("thousand") << "1000"
                                  << "999";
        QTest::newRow("one") << "1"
                             << "TimeOut!!";
        // Beyond three characters the rule is ours: whole part, at most 999, below -99 out.
        QTest::newRow("too large") << "5000"
                                   << "999";
        QTest::newRow("huge") << "1e300"
                              << "999";
        QTest::newRow("overflowing") << "1e999"
                                     << "999";
        QTest::newRow("too negative") << "-99"
                                      << "TimeOut!!";
        QTest::newRow("fraction") << "5.25"
                                  << "004";
        QTest::newRow("small fraction") << "0.5"
                                        << "TimeOut!!";
        QTest::newRow("hex") << "&H10"
                             << "015";
    }
    void restoredTexts() {
        QFETCH(QString, restored);
        QFETCH(QString, next);
        QCOMPARE(tick(restored), next);
    }

    // Whatever a file brings, the clock ends up in a text it can go on counting from.
    void everyTextLeadsToAReadableClock() {
        for (const char* odd : {"-1e308", "nan", "inf", "&HFFFFFFFFFFFFFFFFFF", "...", "-",
                                "9999999999999999999999", "1.5e2", "\t\n"}) {
            QString shown = QString::fromLatin1(odd);
            for (int t = 0; t < 1100; ++t)
                shown = tick(shown);
            QCOMPARE(shown, QStringLiteral("TimeOut!!"));
        }
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
