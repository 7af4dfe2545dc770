// The game file: its exact bytes, every way a file can be wrong, and writes that fail.

#include "files/gamefile.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void aNewGameIs171Bytes() {
        const QByteArray bytes = formatGameFile(newGamePosition());
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

    void savingTwiceAndOverALongerFile() {
        writeAll(path("b.pnx"), QByteArray(5000, 'x'));
        QVERIFY(!writeGameFile(path("b.pnx"), newGamePosition()));
        const QByteArray first = readAll(path("b.pnx"));
        QVERIFY(!writeGameFile(path("b.pnx"), newGamePosition()));
        QCOMPARE(readAll(path("b.pnx")), first);
        QCOMPARE(first, formatGameFile(newGamePosition()));
    }

    void lineBreaksAndTrailingLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        const QByteArray crlf = formatGameFile(newGamePosition());
        QByteArray lf = crlf, cr = crlf;
        lf.replace("\r\n", "\n");
        cr.replace("\r\n", "\r");
        QTest::newRow("CR LF") << crlf << 32;
        QTest::newRow("LF") << lf << 32;
        QTest::newRow("CR") << cr << 32;
        QTest::newRow("break after line 51") << crlf + "\r\n" << 32;
        QTest::newRow("more lines") << crlf + "\r\nrubbish\r\n\r\nmore" << 32;
        QTest::newRow("count with blanks") << withLine(crlf, 51, " 32 ") << 32;
        QTest::newRow("the count line alone decides") << withLine(crlf, 51, "5") << 5;
        QTest::newRow("zero") << withLine(crlf, 51, "0") << 0;
        QTest::newRow("255") << withLine(crlf, 51, "255") << 255;
    }
    void lineBreaksAndTrailingLines() {
        QFETCH(QByteArray, bytes);
        const ParseResult r = parseGameFile(bytes);
        QFETCH(int, count);
        QVERIFY2(r.position, qPrintable(r.problem));
        QCOMPARE(r.position->marbles, startPosition());
        QCOMPARE(r.position->clock, QStringLiteral("120"));
        QCOMPARE(int(r.position->count), count);
    }

    void invalidFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good = formatGameFile(newGamePosition());
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
        // a name that is not UTF-8 exists, but cannot be named in text
        const QByteArray raw = QFile::encodeName(dir.path()) + "/\xff.pnx";
        FILE* made = std::fopen(raw.constData(), "w");
        QVERIFY(made && std::fclose(made) == 0);
        QVERIFY(readGameFile(QFile::decodeName(raw)).problem.contains("not valid UTF-8"));
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

    // A save killed at any moment leaves either the old game or the new one, whole.
    void aSaveKilledHalfWay() {
        const QString target = path("killed.pnx");
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
