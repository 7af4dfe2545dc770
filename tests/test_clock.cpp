// The countdown's arithmetic: how a text is read as a number, and what one tick makes of
// the texts a game file may bring.

#include "game/clock.h"
#include "game/records.h"

#include <QTest>

using namespace pebblenix;

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void readsTheLeadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::pair<const char*, double> rows[] = {
            {"120", 120}, {" 1 2\t3\n", 123}, {"-5", -5},   {"5.25", 5.25},   {"1e3", 1000},
            {"2D2", 200}, {"7e", 7},          {"0-1", 0},   {"TimeOut!!", 0}, {"", 0},
            {"&H1F", 31}, {"&HFFFF", -1},     {"&O17", 15}, {"&", 0},         {"87abc", 87}};
        for (const auto& [text, value] : rows)
            QTest::newRow(text) << QString::fromLatin1(text) << value;
    }
    void readsTheLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readNumber(text.toStdString()), value);
    }

    void oneTick_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("next");
        // clang-format off
        const std::pair<const char*, const char*> rows[] = {
            {"120", "119"}, {"100", "099"}, {"010", "009"}, {"001", "TimeOut!!"},
            {"TimeOut!!", "TimeOut!!"}, {"abc", "TimeOut!!"}, {"5", "004"}, {"-5", "TimeOut!!"},
            {"-9", "-10"}, {"1000", "999"}, {"1e999", "999"}, {"-99", "TimeOut!!"},
            {"5.25", "004"}, {"0.5", "TimeOut!!"}, {"&H10", "015"}, {"-1e308", "TimeOut!!"},
            {"nan", "TimeOut!!"}, {"9999999999999999999999", "999"},
            {"&HFFFFFFFFFFFFFFFFFF", "999"}};
        // clang-format on
        for (const auto& [shown, next] : rows)
            QTest::newRow(shown) << QString::fromLatin1(shown) << QString::fromLatin1(next);
    }
    void oneTick() {
        QFETCH(QString, shown);
        QFETCH(QString, next);
        QCOMPARE(QString::fromStdString(clockTick(shown.toStdString())), next);
    }

    // The seconds a finish took, from the clock as it stands; -1 once the time is out. A
    // hand-made clock above 120 has used none (never fewer, which the records refuse).
    void secondsUsed_data() {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<int>("seconds");
        const std::pair<const char*, int> rows[] = {{"120", 0},   {"087", 33},       {"001", 119},
                                                    {"121", 0},   {"999", 0},        {"1e9", 0},
                                                    {"0.5", -1},  {"TimeOut!!", -1}, {"-3", -1}};
        for (const auto& [clock, seconds] : rows)
            QTest::newRow(clock) << QString::fromLatin1(clock) << seconds;
    }
    void secondsUsed() {
        QFETCH(QString, clock);
        QFETCH(int, seconds);
        QCOMPARE(pebblenix::secondsUsed(clock).value_or(-1), seconds);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
