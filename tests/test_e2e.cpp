// The real program in a real X server, played with the mouse and keys: a game file named
// like a toolkit option opens as a game, jumps are saved for Undo and drawn, Rewind and
// Undo work, a marble dragged at a stored zoom jumps, and under a file-size limit a jump is
// refused but the game lives on. Skipped where Xvfb, xdotool or xwd is missing.

#include "game/game.h"
#include "tests/support.h"

#include <QStandardPaths>
#include <cstdio>
#include <functional>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// What CTest takes for a test that could not run.
constexpr int kSkipped = 77;

QByteArray run(const QString& command, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("bash", {"-c", command});
    p.waitForFinished(20000);
    return p.readAllStandardOutput();
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QProcess xvfb;
    QProcessEnvironment env;

    // Starts the game through `shell` (a command line ending in "exec"), waits for its
    // window, clicks the cells and returns where each cell's centre is on the screen at the
    // window's zoom.
    std::function<QPoint(int)> play(QProcess& game, const QString& shell, QList<int> cells,
                                    int zoom = 100) {
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(QDir::tempPath());
        game.start("bash", {"-c", shell + " \"$0\" \"$@\"", PEBBLENIX_APP_PATH, "-reverse"});
        // A search fails at once when a window it looks at closes meanwhile (the last test's
        // game going away): search again.
        QByteArray window;
        for (int tries = 0; tries < 3 && window.trimmed().isEmpty(); ++tries)
            window = run("xdotool search --sync --onlyvisible --name '^Pebblenix$' | head -1", env);
        if (window.trimmed().isEmpty())
            return {};
        QTest::qWait(500);
        QMap<QString, int> at;
        for (const QByteArray& line :
             run("xdotool getwindowgeometry --shell " + window, env).split('\n'))
            at[line.split('=').value(0)] = line.split('=').value(1).toInt();
        const int menuBar = at["HEIGHT"] - (289 * zoom + 50) / 100; // the client area's height
        const auto centreOf = [=](int cell) {
            return QPoint(at["X"] + (44 + 32 * (cell % 7)) * zoom / 100,
                          at["Y"] + menuBar + (36 + 32 * (cell / 7)) * zoom / 100);
        };
        for (int cell : cells)
            run(QStringLiteral("xdotool mousemove --sync %1 %2 click 1 sleep 0.2")
                    .arg(centreOf(cell).x())
                    .arg(centreOf(cell).y()),
                env);
        return centreOf;
    }

    // Which holes show a marble, read off a dump of the screen.
    Marbles boardOnScreen(const std::function<QPoint(int)>& centreOf) {
        const QImage screen = QImage::fromData(run("xwd -root -silent | xwdtopnm", env), "PPM");
        Marbles seen{};
        for (int cell = 0; cell < kCells; ++cell)
            seen[std::size_t(cell)] =
                isHole(cell) && screen.pixelColor(centreOf(cell)) == QColor(0, 0, 128);
        return seen;
    }

private slots:
    void initTestCase() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        QVERIFY(xvfb.waitForReadyRead(20000));
        env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", ":" + QString::fromLatin1(xvfb.readLine()).trimmed());
        env.insert("QT_QPA_PLATFORM", "xcb");
        // a game file named like a toolkit option, holding the position after d2 to d4
        writeAll(QDir::temp().filePath("-reverse"), formatGameFile(firstJumpPosition()));
    }
    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    // Three jumps with the mouse, the third losing the centre finish; Ctrl+R takes the
    // board back to before it and Ctrl+Z returns to where the player was.
    void playRewindAndUndo() {
        const std::vector<Jump> line = {{31, 17}, {26, 24}, {17, 31}};
        std::vector<Game> after(line.size() + 1);
        after[0].setPosition(firstJumpPosition()); // the file named -reverse
        for (std::size_t i = 0; i < line.size(); ++i) {
            after[i + 1] = after[i];
            after[i + 1].jump(line[i].from, line[i].to);
        }
        QProcess game;
        const auto centreOf = play(game, "exec", {31, 17, 26, 24, 17, 31});
        QVERIFY2(centreOf, "the window did not appear");
        const QString undo = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath("pnx.tmp");
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after[3].marbles(), 5000);
        QCOMPARE(readAll(undo), formatGameFile(after[2].position()));
        run("xdotool key ctrl+r", env);
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after[2].marbles(), 5000);
        run("xdotool key ctrl+z", env);
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after[3].marbles(), 5000);
        game.kill();
        game.waitForFinished();
        QFile::remove(undo);
    }

    // Started with standard error closed, the display connection would take its number
    // and any warning (here Qt's own, switched on) would land in it: the window must appear.
    void startsWithStandardErrorClosed() {
        QProcess game;
        QVERIFY2(play(game,
                      "exec 2>&-; unset XDG_RUNTIME_DIR; QT_LOGGING_RULES='qt.qpa.*=true' exec",
                      {}),
                 "the window did not appear");
        game.kill();
        game.waitForFinished();
    }

    // At the zoom stored, 150 %, a marble dragged from d5 to d3 jumps as two clicks would.
    void aDragAtAStoredZoom() {
        const QString settings =
            QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Pebblenix/Pebblenix.ini");
        writeAll(settings, "[View]\nZoom=150\n");
        Marbles after = startPosition(); // d2-d4 in the file, then d5-d3
        after[10] = after[31] = false;
        QProcess game;
        const auto centreOf = play(game, "exec", {}, 150);
        QVERIFY2(centreOf, "the window did not appear");
        const QPoint from = centreOf(31), to = centreOf(17);
        run(QString::asprintf("xdotool mousemove --sync %d %d mousedown 1 sleep 0.1 mousemove "
                              "%d %d sleep 0.1 mousemove --sync %d %d sleep 0.1 mouseup 1",
                              from.x(), from.y(), from.x(), from.y() - 20, to.x(), to.y()),
            env);
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after, 5000);
        game.kill();
        game.waitForFinished();
        QFile::remove(settings);
    }

    // A file-size limit makes the write fail; the game must say so, not die of SIGXFSZ.
    void aFileSizeLimitRefusesTheJumpAndTheGameLivesOn() {
        QProcess game;
        QVERIFY(play(game, "ulimit -f 0; exec", {31, 17}));
        QTest::qWait(500);
        QCOMPARE(game.state(), QProcess::Running);
        QVERIFY(!QFile::exists(QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath("pnx.tmp")));
        game.kill();
        game.waitForFinished();
    }
};

// Without its X server and tools the test cannot run: it says so and reports itself skipped
// to CTest, or fails where they must be there (make test, which installs them).
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    for (const char* tool : {"Xvfb", "xdotool", "xwd", "xwdtopnm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::fprintf(stderr, "%s is not installed\n", tool);
            return qEnvironmentVariableIsSet("PEBBLENIX_REQUIRE_E2E") ? 1 : kSkipped;
        }
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_e2e.moc"
