// The Hint command on the window and the pebblenix-solve tool.

#include "app/frmgame.h"
#include "app/hintservice.h"
#include "files/gamefile.h"
#include "tests/testsupport.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// Asks for a hint; the engine is ready, so it comes at once. The selected cell, or -1.
int hintedCell(frmgame* w, FakeUi& fake) {
    const std::size_t before = fake.messages.size();
    w->mnuhint_Click();
    return fake.messages.size() == before && w->gb_ctr == 1 ? w->gi_from : -1;
}

// The empty hole that blinks (a hole marked by an earlier hint holds a marble by now).
int markedCell(frmgame* w) {
    for (int i = 0; i < kCells; ++i)
        if (w->pic[static_cast<std::size_t>(i)]->isMarked() &&
            w->pic[static_cast<std::size_t>(i)]->Tag() == "-1")
            return i;
    return -1;
}

QString runSolver(const QString& path, int& exitCode) {
    QProcess p;
    p.start(QStringLiteral(PEBBLENIX_SOLVE_PATH), {path});
    p.waitForFinished(30000);
    exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

} // namespace

class TestHint : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { QFile::remove(undoFilePath(QDir::tempPath())); }

    // The first hint maps the table on a worker thread; the window goes on meanwhile.
    void theFirstHintLoadsTheTableInTheBackground() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        QVERIFY(!HintService::instance().isReady());
        w->mnuhint_Click();
        w->pic_Click(10); // the board still takes clicks while the table loads
        QTRY_VERIFY_WITH_TIMEOUT(HintService::instance().isReady(), 20000);
        QVERIFY(fake.messages.empty());
        QCOMPARE(w->gb_ctr, quint8(1)); // the hint's selection
    }

    void aHintSelectsTheMarbleAndMarksTheHole() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        w->pic_Click(30); // a marble the hint will not keep selected
        const int from = hintedCell(w.get(), fake);
        QVERIFY(from >= 0);
        QVERIFY(w->pic[static_cast<std::size_t>(from)]->isFlat());
        QCOMPARE(w->chmyapp, std::int16_t(from));
        if (from != 30)
            QVERIFY(!w->pic[30]->isFlat());
        const int to = markedCell(w.get());
        QVERIFY(to >= 0);
        QCOMPARE(w->pic[static_cast<std::size_t>(to)]->Tag(), QStringLiteral("-1"));
        QVERIFY(!QFile::exists(w->TempFilePath())); // no file written
        QCOMPARE(w->lbltime->text(), QStringLiteral("120"));
        QTRY_VERIFY_WITH_TIMEOUT(markedCell(w.get()) < 0, 3000); // the mark goes away
        w->pic_Click(to); // the player's click makes the jump the normal way
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        QVERIFY(QFile::exists(w->TempFilePath()));
    }

    void followingEveryHintWins() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        w->Timer1->stop();
        for (int move = 0; move < 31; ++move) {
            QVERIFY(hintedCell(w.get(), fake) >= 0);
            const int to = markedCell(w.get());
            w->pic_Click(to);
        }
        QCOMPARE(w->Marbles_On_Board, quint8(1));
        QCOMPARE(fake.last().text, QStringLiteral("You won The Game "));
    }

    void noFinishIsSaidPlainly() {
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        const QString path = dir.filePath("lost.pnx");
        writeAll(path, gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(path));
        QCOMPARE(hintedCell(w.get(), fake), -1);
        QCOMPARE(
            fake.last().text,
            QStringLiteral("No finish with the last marble in the centre is possible from here."));
        QCOMPARE(fake.last().icon, MsgIcon::Information);
        QCOMPARE(fake.last().title, QStringLiteral("Pebblenix"));
    }

    void theSolveTool() {
        int code = -1;
        writeAll(dir.filePath("start.pnx"), newGameFile());
        QString out = runSolver(dir.filePath("start.pnx"), code);
        QCOMPARE(code, 0);
        const QStringList lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 32);
        QVERIFY2(lines[0].contains(
                     QRegularExpression(R"(^\s*\d+ -> \s*\d+   [a-g][1-7] -> [a-g][1-7]$)")),
                 qPrintable(lines[0]));
        QCOMPARE(lines.last(), QStringLiteral("1 marble left, in the centre."));

        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        out = runSolver(dir.filePath("lost.pnx"), code);
        QCOMPARE(code, 1);
        QVERIFY(out.contains("No finish"));

        QByteArray bad = gameFileWith({2, 3});
        bad.replace(0, 2, "2\r");
        writeAll(dir.filePath("bad.pnx"), bad);
        out = runSolver(dir.filePath("bad.pnx"), code);
        QCOMPARE(code, 2);
        QString shown = invalidFileMessage(
            dir.filePath("bad.pnx"), "line 1 is \"2\", but a cell line must be \"1\" or \"-1\"");
        QCOMPARE(out.trimmed(), shown.replace("\r\n", "\n"));
    }

    // Last, since the engine is loaded once per program: a table that cannot be used.
    void aMissingTableIsReported() {
        // the engine is already loaded in this program; a fresh tool run shows the failure
        QProcess p;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_SOLUTIONS", dir.filePath("nothing-here.bin"));
        p.setProcessEnvironment(env);
        writeAll(dir.filePath("s.pnx"), gameFileWith({10, 17}));
        p.start(QStringLiteral(PEBBLENIX_SOLVE_PATH), {dir.filePath("s.pnx")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 3);
        QVERIFY(p.readAllStandardError().contains("cannot be read"));
    }
};

PEBBLENIX_TEST_MAIN(TestHint)
#include "test_hint.moc"
