// The game file: its exact bytes, every way a file can be wrong, and writes that fail.

#include "files/gamefile.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void aNewGameIs171Bytes() {
        const QByteArray bytes = newGameFile();
        QCOMPARE(bytes.size(), 171);
        QVERIFY(!bytes.endsWith("\n"));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 51);
        const QList<int> empty = {1, 2, 6, 7, 8, 9, 13, 14, 25, 36, 37, 41, 42, 43, 44, 48, 49};
        for (int line = 1; line <= 49; ++line)
            QCOMPARE(lines[line - 1], QByteArray(empty.contains(line) ? "-1\r" : "1\r"));
        QCOMPARE(lines[49], QByteArray("120\r"));
        QCOMPARE(lines[50], QByteArray("32"));
    }

    void roundTripKeepsEveryText() {
        Position p = newGamePosition();
        p.marbles[10] = false;
        p.clock = QStringLiteral("TimeOut!!");
        p.countText = QStringLiteral("31");
        p.count = 31;
        QVERIFY(!writeGameFile(path("a.pnx"), p));
        const ReadResult r = readGameFile(path("a.pnx"));
        QCOMPARE(r.status, ReadStatus::Ok);
        QCOMPARE(r.position->marbles, p.marbles);
        QCOMPARE(r.position->clock, QStringLiteral("TimeOut!!"));
        QCOMPARE(r.position->count, quint8(31));
    }

    void savingTwiceAndOverALongerFile() {
        writeAll(path("b.pnx"), QByteArray(5000, 'x'));
        QVERIFY(!writeGameFile(path("b.pnx"), newGamePosition()));
        const QByteArray first = readAll(path("b.pnx"));
        QVERIFY(!writeGameFile(path("b.pnx"), newGamePosition()));
        QCOMPARE(readAll(path("b.pnx")), first);
        QCOMPARE(first, newGameFile());
    }

    void lineBreaksAndTrailingLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray crlf = newGameFile();
        QByteArray lf = crlf, cr = crlf;
        lf.replace("\r\n", "\n");
        cr.replace("\r\n", "\r");
        QTest::newRow("CR LF") << crlf;
        QTest::newRow("LF") << lf;
        QTest::newRow("CR") << cr;
        QTest::newRow("break after line 51") << crlf + "\r\n";
        QTest::newRow("more lines") << crlf + "\r\nrubbish\r\n\r\nmore";
        QTest::newRow("count with blanks") << withLine(crlf, 51, " 32 ");
    }
    void lineBreaksAndTrailingLines() {
        QFETCH(QByteArray, bytes);
        const ParseResult r = parseGameFile(bytes);
        QVERIFY2(r.position, qPrintable(r.problem));
        QCOMPARE(r.position->marbles, startPosition());
        QCOMPARE(r.position->clock, QStringLiteral("120"));
        QCOMPARE(r.position->count, quint8(32));
    }

    void countLineAloneDecides() {
        const ParseResult r = parseGameFile(withLine(newGameFile(), 51, "5"));
        QCOMPARE(r.position->count, quint8(5));
        QCOMPARE(r.position->countText, QStringLiteral("5"));
        QCOMPARE(parseGameFile(withLine(newGameFile(), 51, "0")).position->count, quint8(0));
        QCOMPARE(parseGameFile(withLine(newGameFile(), 51, "255")).position->count, quint8(255));
    }

    void cornerCellMayHoldAMarble() {
        const ParseResult r = parseGameFile(withLine(newGameFile(), 1, "1"));
        QVERIFY(r.position);
        QVERIFY(r.position->marbles[0]);
    }

    void invalidFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good = newGameFile();
        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("50 lines") << good.left(good.lastIndexOf("\r\n")) << "has 50 lines";
        QTest::newRow("line 3 is 2") << withLine(good, 3, "2") << "line 3 is \"2\"";
        QTest::newRow("zero") << withLine(good, 4, "0") << "line 4 is \"0\"";
        QTest::newRow("blank after 1") << withLine(good, 4, "1 ") << "line 4 is \"1 \"";
        QTest::newRow("leading zero") << withLine(good, 4, "01") << "line 4 is \"01\"";
        QTest::newRow("plus sign") << withLine(good, 4, "+1") << "line 4";
        QTest::newRow("empty cell line") << withLine(good, 5, "") << "line 5 is empty";
        QTest::newRow("count not a number") << withLine(good, 51, "x") << "line 51";
        QTest::newRow("count 256") << withLine(good, 51, "256") << "from 0 to 255";
        QTest::newRow("count negative") << withLine(good, 51, "-1") << "line 51";
        QTest::newRow("count fraction") << withLine(good, 51, "3.5") << "line 51";
        QTest::newRow("count empty") << withLine(good, 51, "") << "51";
        QTest::newRow("binary clock") << withLine(good, 50,
                                                  QByteArray("12\0"
                                                             "0",
                                                             4))
                                      << "binary data";
        QTest::newRow("binary file") << QByteArray("\x7f"
                                                   "ELF\x02\x01\x01\0\0\0",
                                                   10)
                                     << "binary data";
        QTest::newRow("over-long clock")
            << withLine(good, 50, QByteArray(300, '9')) << "longer than 255";
        QTest::newRow("one huge line") << QByteArray(20000, '1') << "line 1";
    }
    void invalidFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const ParseResult r = parseGameFile(bytes);
        QVERIFY(!r.position);
        QVERIFY2(r.problem.contains(problem), qPrintable(r.problem));
    }

    void readingTellsAMissingFolderApart() {
        QCOMPARE(readGameFile(path("no/such/folder/x.pnx")).status, ReadStatus::FolderMissing);
        const ReadResult missing = readGameFile(path("absent.pnx"));
        QCOMPARE(missing.status, ReadStatus::Invalid);
        QVERIFY(missing.problem.contains("does not exist"));
        QDir(dir.path()).mkdir("afolder.pnx");
        QCOMPARE(readGameFile(path("afolder.pnx")).status, ReadStatus::Invalid);
    }

    // A huge file is refused after reading a few kilobytes.
    void aHugeFileIsReadOnlyAsFarAsNeeded() {
        QFile big(path("big.pnx"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(qint64(3) << 30)); // sparse: 3 GiB of zero bytes, no break
        big.close();
        const ReadResult r = readGameFile(path("big.pnx"));
        QCOMPARE(r.status, ReadStatus::Invalid);
        QVERIFY(r.problem.contains("line 1"));
        QFile::remove(path("big.pnx"));
    }

    void failedWritesLeaveTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "missing/game.pnx";
        QTest::newRow("folder in the way") << "in-the-way";
    }
    void failedWritesLeaveTheOldFile() {
        QFETCH(QString, name);
        QDir(dir.path()).mkpath("in-the-way");
        const auto failure = writeGameFile(path(name), newGamePosition());
        QVERIFY(failure);
        QVERIFY(!failure->isEmpty());
    }

    void aFullDiskLeavesTheOldFileWhole() {
        const QByteArray old = "an old game that must survive";
        writeAll(path("full.pnx"), old);
        std::optional<QString> failure;
        {
            FileSizeLimit limit(100); // smaller than the 171 bytes of a game
            failure = writeGameFile(path("full.pnx"), newGamePosition());
        }
        QVERIFY(failure);
        QCOMPARE(readAll(path("full.pnx")), old);
        QCOMPARE(QDir(dir.path()).entryList({"full.pnx*"}, QDir::Files).size(), 1);
    }

    void undoFileLivesInTheTemporaryFolder() {
        QCOMPARE(undoFilePath("/some/tmp"), QStringLiteral("/some/tmp/pnx.tmp"));
        QCOMPARE(undoFilePath("/some/tmp/"), QStringLiteral("/some/tmp/pnx.tmp"));
    }
};

PEBBLENIX_TEST_MAIN(TestGameFile)
#include "test_gamefile.moc"
