// The settings store: how the colour's text and the view are read, where they are kept,
// writing one of them beside the others, and a store that cannot be written.

#include "files/settings.h"
#include "tests/support.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>

using namespace pebblenix;
using namespace pebblenix::test;

class TestColorSetting : public QObject {
    Q_OBJECT
    PrivateFolders folders;
private slots:
    // The stored text, as a file holds it ("[" starts a whole file), read as a colour.
    void readingRule_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("colour"); // -1: a failure
        // clang-format off
        const std::pair<const char*, int> rows[] = {
            {"101", 101}, {" 107 ", 107}, {"102.5", 102}, {"103.5", 104}, {"104.6", 105},
            {"0", 0}, {"255", 255}, {"-0.4", 0}, {"255.5", -1}, {"abc", -1}, {"300", -1},
            {"-1", -1}, {"", -1}, {"nan", -1}, {"101,102", -1},
            {"[Color]\r\n  Marble = \"104\"  \r\n", 104}, // as a person may write it
            {"[Other]\nMarble=5\n", 101}};                  // not in [Color]: the default
        // clang-format on
        for (const auto& [text, colour] : rows)
            QTest::newRow(QByteArray(text).replace("\r\n", "|").replace("\n", "|"))
                << QByteArray(text) << colour;
    }
    void readingRule() {
        QFETCH(QByteArray, text);
        QFETCH(int, colour);
        writeAll(ColourSetting::filePath(),
                 text.startsWith('[') ? text : "[Color]\nMarble=" + text);
        const auto read = parseColourSetting(ColourSetting::read());
        QCOMPARE(read ? int(*read) : -1, colour);
    }

    // Writing one setting keeps the others and every line it does not set; the colour
    // alone is just its two lines.
    void writingKeepsTheRest_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("after");
        // clang-format off
        const std::array<const char*, 4> rows[] = {
            {"the colour alone", "", "Marble=102", "[Color]\nMarble=102\n"},
            {"the view beside it", "[Color]\nMarble=101", "Zoom=200",
             "[Color]\nMarble=101\n\n[View]\nZoom=200\n"},
            {"the colour keeps the view", "[Color]\nMarble=101\n\n[View]\nZoom=200\n",
             "Marble=105", "[Color]\nMarble=105\n\n[View]\nZoom=200\n"},
            {"into its own section", "[View]\nZoom=150\n\n[Other]\nx=1\n", "ShowJumps=true",
             "[View]\nZoom=150\nShowJumps=true\n\n[Other]\nx=1\n"},
            {"written by hand", "[View]\r\n Zoom = 125 \r\n", "Zoom=300", "[View]\r\nZoom=300\r\n"}};
        // clang-format on
        for (const auto& [name, before, write, after] : rows)
            QTest::newRow(name) << QByteArray(before) << QByteArray(write) << QByteArray(after);
    }
    void writingKeepsTheRest() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, after);
        writeAll(ColourSetting::filePath(), before);
        const int value = write.mid(write.indexOf('=') + 1).toInt();
        QVERIFY(!(write.startsWith("Marble") ? ColourSetting::write(quint8(value))
                  : write.startsWith("Zoom") ? ViewSetting::writeZoom(value)
                                             : ViewSetting::writeShowJumps(true)));
        QCOMPARE(readAll(ColourSetting::filePath()), after);
    }

    // The view as stored, from a whole file; anything that cannot be used is the default.
    void readingTheView_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("showJumps");
        QTest::newRow("set") << QByteArray("[View]\nZoom=250\nShowJumps=true\n") << 250 << true;
        QTest::newRow("not a step") << QByteArray("[View]\nZoom=175\nShowJumps=1") << 100 << true;
        QTest::newRow("not words") << QByteArray("[View]\nZoom=2e2\nShowJumps=yes") << 100 << false;
        QTest::newRow("elsewhere")
            << QByteArray("[Color]\nZoom=200\nShowJumps=true") << 100 << false;
    }
    void readingTheView() {
        QFETCH(QByteArray, text);
        QFETCH(int, zoom);
        QFETCH(bool, showJumps);
        writeAll(ColourSetting::filePath(), text);
        QCOMPARE(std::pair(ViewSetting::read().zoom, ViewSetting::read().showJumps),
                 std::pair(zoom, showJumps));
    }

    // In the user's configuration folder, in a form QSettings reads.
    void storedAndRead() {
        QVERIFY(!ColourSetting::clearAll());
        QCOMPARE(ColourSetting::read(), QStringLiteral("101"));
        QVERIFY(ColourSetting::filePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        QVERIFY(!ColourSetting::write(111));
        QCOMPARE(QSettings(ColourSetting::filePath(), QSettings::IniFormat).value("Color/Marble"),
                 QVariant("111"));
    }

    // A settings file too long to read whole is not written over: its colour would be lost.
    void aFileTooLongToReadIsKept() {
        const QByteArray big = "[Color]\nMarble=105\n[Notes]\nx=" + QByteArray(70000, 'x') + "\n";
        writeAll(ColourSetting::filePath(), big);
        QVERIFY(ViewSetting::writeZoom(150));
        QCOMPARE(readAll(ColourSetting::filePath()), big);
    }

    // A full disk leaves the old setting or the new one, never a cut-off file (QSettings,
    // given a long file, cuts it short at limits like 150 bytes and reports success, which
    // loses a colour stored after a long section).
    void aWriteThatFailsKeepsTheOldColour_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("10 bytes") << 10;
        QTest::newRow("150 bytes") << 150;
    }
    void aWriteThatFailsKeepsTheOldColour() {
        QFETCH(int, limit);
        const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
        QDir(folder).removeRecursively();
        writeAll(ColourSetting::filePath(),
                 "[Another]\nNote=" + QByteArray(400, 'x') + "\n[Color]\nMarble=107\n");
        const QByteArray before = readAll(ColourSetting::filePath());
        std::optional<QString> failure;
        {
            FileSizeLimit full{quint64(limit)};
            failure = ColourSetting::write(102);
        }
        if (failure) // the old setting whole, or the new one
            QCOMPARE(readAll(ColourSetting::filePath()), before);
        QCOMPARE(ColourSetting::read(), QString::fromLatin1(failure ? "107" : "102"));
    }

    // Two running copies, each changing its own setting 300 times at once: both keep theirs,
    // at the value each wrote last.
    void twoCopiesKeepEachOthersSettings() {
        QProcess zoom, jumps;
        zoom.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {"setting", "Zoom", "300"});
        jumps.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {"setting", "ShowJumps", "300"});
        QVERIFY(zoom.waitForFinished(120000) && jumps.waitForFinished(120000));
        QCOMPARE(zoom.exitCode() + jumps.exitCode(), 0);
        QCOMPARE(std::pair(ViewSetting::read().zoom, ViewSetting::read().showJumps),
                 std::pair(300, true));
    }
};

QTEST_GUILESS_MAIN(TestColorSetting)
#include "test_settings.moc"
