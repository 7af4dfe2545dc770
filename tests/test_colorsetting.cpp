// The stored marble colour: how its text is read, and a store that cannot be written.

#include "files/colorsetting.h"
#include "tests/support.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

using namespace pebblenix;
using namespace pebblenix::test;

class TestColorSetting : public QObject {
    Q_OBJECT
    PrivateFolders folders;
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

    // A full disk never leaves a cut-off setting: QSettings, given a long file, cuts it
    // short at these limits and reports success.
    void aFullDiskNeverCutsTheSettingShort_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("10 bytes") << 10;
        QTest::newRow("150 bytes") << 150;
    }
    void aFullDiskNeverCutsTheSettingShort() {
        QFETCH(int, limit);
        writeAll(ColourSetting::filePath(),
                 "[Color]\nMarble=107\n[Other]\nNote=" + QByteArray(400, 'x') + "\n");
        const QByteArray before = readAll(ColourSetting::filePath());
        std::optional<QString> failure;
        {
            FileSizeLimit full{quint64(limit)};
            failure = ColourSetting::write(102);
        }
        if (failure)
            QCOMPARE(readAll(ColourSetting::filePath()), before);
        QCOMPARE(ColourSetting::read(), QString::fromLatin1(failure ? "107" : "102"));
    }
};

QTEST_GUILESS_MAIN(TestColorSetting)
#include "test_colorsetting.moc"
