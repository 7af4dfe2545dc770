// The stored marble colour: how its text is read, and a store that cannot be written.

#include "app/colorsetting.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

using namespace pebblenix;
using namespace pebblenix::test;

class TestColorSetting : public QObject {
    Q_OBJECT
private slots:
    void readingRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour"); // -1: a failure
        QTest::newRow("default") << "101" << 101;
        QTest::newRow("blanks") << " 107 " << 107;
        QTest::newRow("half to even down") << "102.5" << 102;
        QTest::newRow("half to even up") << "103.5" << 104;
        QTest::newRow("nearest") << "104.6" << 105;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("top") << "255" << 255;
        QTest::newRow("just below zero rounds to it") << "-0.4" << 0;
        QTest::newRow("255.5 rounds out of range") << "255.5" << -1;
        QTest::newRow("abc") << "abc" << -1;
        QTest::newRow("300") << "300" << -1;
        QTest::newRow("-1") << "-1" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("inf") << "inf" << -1;
        QTest::newRow("nan") << "nan" << -1;
        QTest::newRow("list") << "101,102" << -1;
    }
    void readingRule() {
        QFETCH(QString, text);
        QFETCH(int, colour);
        const auto read = parseColourSetting(text);
        QCOMPARE(read ? int(*read) : -1, colour);
    }

    void storedInTheUsersConfigFolder() {
        ColourSetting::clearAll();
        QCOMPARE(ColourSetting::read(), QStringLiteral("101"));
        QVERIFY(!ColourSetting::write(107));
        QCOMPARE(ColourSetting::read(), QStringLiteral("107"));
        QVERIFY(ColourSetting::filePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        ColourSetting::clearAll();
        QCOMPARE(ColourSetting::read(), QStringLiteral("101"));
    }

    // A file standing where the settings folder should be stops any write, even for root.
    void aStoreThatCannotBeWrittenSaysSo() {
        const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
        QDir(folder).removeRecursively();
        writeAll(folder, "not a folder");
        const auto failure = ColourSetting::write(105);
        QFile::remove(folder);
        QVERIFY(failure);
        QVERIFY2(failure->contains(folder), qPrintable(*failure));
    }

    // What QSettings writes, and what a person may write by hand, reads the same.
    void readsWhatQSettingsWrites() {
        ColourSetting::clearAll();
        {
            QSettings s(ColourSetting::filePath(), QSettings::IniFormat);
            s.setValue("Other/thing", "x");
            s.setValue("Color/Marble", 109);
        }
        QCOMPARE(ColourSetting::read(), QStringLiteral("109"));
        writeAll(ColourSetting::filePath(), "[Color]\r\n  Marble = \"104\"  \r\n");
        QCOMPARE(ColourSetting::read(), QStringLiteral("104"));
        writeAll(ColourSetting::filePath(), "[Other]\nMarble=5\n");
        QCOMPARE(ColourSetting::read(), QStringLiteral("101")); // not in [Color]: the default
        QVERIFY(!ColourSetting::write(111));
        QSettings check(ColourSetting::filePath(), QSettings::IniFormat);
        QCOMPARE(check.value("Color/Marble").toString(), QStringLiteral("111"));
    }

    // A full disk leaves the stored colour as it was: QSettings alone would have cut the
    // file short and reported success.
    void aFullDiskKeepsTheOldColour() {
        QVERIFY(!ColourSetting::write(107));
        const QByteArray before = readAll(ColourSetting::filePath());
        std::optional<QString> failure;
        {
            FileSizeLimit limit(10);
            failure = ColourSetting::write(102);
        }
        QVERIFY(failure);
        QCOMPARE(readAll(ColourSetting::filePath()), before);
        QCOMPARE(ColourSetting::read(), QStringLiteral("107"));
    }
};

PEBBLENIX_TEST_MAIN(TestColorSetting)
#include "test_colorsetting.moc"
