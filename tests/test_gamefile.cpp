// The game file: its exact bytes, every way a file can be wrong, and a save killed half way.

#include "tests/support.h"

#include <cstdio>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

QByteArray withLine(QByteArray bytes, int line, const QByteArray& text) {
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + (line < 51 ? "\r" : "");
    return lines.join('\n');
}

} // namespace

class TestGameFile : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;

private slots:
    // 49 cell lines row by row (the 16 corner cells and the centre empty), the clock and the
    // count, CR LF between, none at the end.
    void aNewGameIs171Bytes() {
        const QList<int> empty = {1, 2, 6, 7, 8, 9, 13, 14, 25, 36, 37, 41, 42, 43, 44, 48, 49};
        QByteArray expected;
        for (int line = 1; line <= 49; ++line)
            expected += empty.contains(line) ? "-1\r\n" : "1\r\n";
        const QByteArray bytes = formatGameFile(newGamePosition());
        QCOMPARE(bytes.size(), 171);
        QCOMPARE(bytes, expected + "120\r\n32");
    }

    void readable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        const QByteArray crlf = formatGameFile(newGamePosition());
        QTest::newRow("CR LF") << crlf << 32;
        QTest::newRow("LF") << QByteArray(crlf).replace("\r\n", "\n") << 32;
        QTest::newRow("CR") << QByteArray(crlf).replace("\r\n", "\r") << 32;
        QTest::newRow("more lines") << crlf + "\r\nrubbish\r\n\r\nmore" << 32;
        QTest::newRow("count with blanks") << withLine(crlf, 51, " 32 ") << 32;
        QTest::newRow("the count line alone decides") << withLine(crlf, 51, "5") << 5;
        QTest::newRow("255") << withLine(crlf, 51, "255") << 255;
    }
    void readable() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        const ParseResult r = parseGameFile(bytes);
        QVERIFY2(r.position, qPrintable(r.problem));
        QCOMPARE(r.position->marbles, startPosition());
        QCOMPARE(r.position->clock, QStringLiteral("120"));
        QCOMPARE(int(r.position->count), count);
    }

    void invalid_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good = formatGameFile(newGamePosition());
        const std::tuple<const char*, QByteArray, const char*> rows[] = {
            {"empty", "", "the file is empty"},
            {"50 lines", good.left(good.lastIndexOf("\r\n")), "has 50 lines"},
            {"a cell of 2", withLine(good, 3, "2"), "line 3 is \"2\""},
            {"a blank after 1", withLine(good, 4, "1 "), "line 4 is \"1 \""},
            {"a leading zero", withLine(good, 4, "01"), "line 4 is \"01\""},
            {"an empty cell line", withLine(good, 5, ""), "line 5 is empty"},
            {"count 256", withLine(good, 51, "256"), "from 0 to 255"},
            {"count negative", withLine(good, 51, "-1"), "line 51"},
            {"count fraction", withLine(good, 51, "3.5"), "line 51"},
            {"binary clock", withLine(good, 50, QByteArray::fromHex("31320030")), "binary data"},
            {"binary file", QByteArray::fromHex("7f454c46020101000000"), "binary data"},
            {"an over-long clock", withLine(good, 50, QByteArray(300, '9')), "longer than 255"},
            {"one huge line", QByteArray(20000, '1'), "line 1"}};
        for (const auto& [name, bytes, problem] : rows)
            QTest::newRow(name) << bytes << problem;
    }
    void invalid() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const ParseResult r = parseGameFile(bytes);
        QVERIFY(!r.position);
        QVERIFY2(r.problem.contains(problem), qPrintable(r.problem));
    }

    void readingTellsAMissingFolderApart() {
        QCOMPARE(readGameFile(dir.filePath("no/such/x.pnx")).status, ReadStatus::FolderMissing);
        QVERIFY(readGameFile(dir.filePath("absent.pnx")).problem.contains("does not exist"));
        QDir(dir.path()).mkdir("afolder.pnx");
        QVERIFY(readGameFile(dir.filePath("afolder.pnx")).problem.contains("folder"));
        // a name that is not UTF-8 exists, but cannot be named in text
        const QByteArray raw = QFile::encodeName(dir.path()) + "/\xff.pnx";
        FILE* made = std::fopen(raw.constData(), "w");
        QVERIFY(made && std::fclose(made) == 0);
        QVERIFY(readGameFile(QFile::decodeName(raw)).problem.contains("not valid UTF-8"));
        std::remove(raw.constData()); // a name Qt cannot remove
    }

    // A save killed at any moment leaves either the old game or the new one, whole.
    void aSaveKilledHalfWay() {
        const QString target = dir.filePath("killed.pnx");
        const QByteArray a = formatGameFile(newGamePosition());
        const QByteArray b = formatGameFile(firstJumpPosition());
        writeAll(target, a);
        for (int round = 0; round < 40; ++round) {
            QProcess child;
            child.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {target});
            QVERIFY(child.waitForStarted());
            QTest::qWait(5 + round);
            child.kill();
            child.waitForFinished();
            const QByteArray now = readAll(target);
            QVERIFY2(now == a || now == b, qPrintable(QString::number(now.size())));
        }
    }
};

QTEST_GUILESS_MAIN(TestGameFile)
#include "test_gamefile.moc"
