// The real program in a real X server, played with the mouse and keys: a game file named
// like a toolkit option opens as a game, jumps are saved for Undo and drawn, Rewind and
// Undo work, and under a file-size limit a jump is refused but the game lives on. Skipped where
// Xvfb, xdotool or xwd is missing.

#include "files/gamefile.h"
#include "game/game.h"
#include "tests/support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

QString run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// An X window dump of the whole screen as an image (TrueColor, 24 or 32 bits a pixel).
QImage readXwd(const QByteArray& dump) {
    if (dump.size() < 100)
        return QImage();
    const auto field = [&](int i) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(dump.constData()) + 4 * i);
    };
    const quint32 headerSize = field(0), width = field(4), height = field(5);
    const quint32 byteOrder = field(7), bitsPerPixel = field(11), bytesPerLine = field(12);
    const quint32 colours = field(19);
    const qsizetype start = headerSize + colours * 12;
    const quint32 bytesPerPixel = bitsPerPixel / 8;
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) ||
        dump.size() < start + qsizetype(height) * bytesPerLine)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y)
        for (quint32 x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const uchar*>(dump.constData()) + start +
                            y * bytesPerLine + x * bytesPerPixel;
            quint32 v = 0;
            for (quint32 b = 0; b < bytesPerPixel; ++b) // least significant byte first
                v |= quint32(p[byteOrder == 0 ? b : bytesPerPixel - 1 - b]) << (8 * b);
            image.setPixel(int(x), int(y), v | 0xFF000000u);
        }
    return image;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QProcess xvfb;
    QProcessEnvironment env;

    // Starts the game through `shell` (a command line ending in "exec"), waits for its
    // window, clicks the cells and returns where each cell's centre is on the screen.
    std::function<QPoint(int)> play(QProcess& game, const QString& shell, QList<int> cells) {
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(QDir::tempPath());
        game.start("bash", {"-c", shell + " \"$0\" \"$@\"", PEBBLENIX_APP_PATH, "-reverse"});
        const QString window =
            run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Pebblenix$"}, env)
                .split('\n')
                .value(0);
        if (window.isEmpty())
            return {};
        QTest::qWait(500);
        QMap<QString, int> geometry;
        for (const QString& line :
             run("xdotool", {"getwindowgeometry", "--shell", window}, env).split('\n'))
            geometry[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        const int menuBar = geometry["HEIGHT"] - 289; // the client area is 289 pixels high
        const auto centreOf = [=](int cell) {
            return QPoint(geometry["X"] + 32 + 32 * (cell % 7) + 12,
                          geometry["Y"] + menuBar + 24 + 32 * (cell / 7) + 12);
        };
        for (int cell : cells) {
            const QPoint p = centreOf(cell);
            run("xdotool",
                {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()), "click",
                 "1"},
                env);
            QTest::qWait(200);
        }
        return centreOf;
    }

    void key(const QString& keys) { run("xdotool", {"key", keys}, env); }

    // Which holes show a marble, read off a dump of the screen.
    Marbles boardOnScreen(const std::function<QPoint(int)>& centreOf) {
        QProcess dump;
        dump.setProcessEnvironment(env);
        dump.start("xwd", {"-root", "-silent"});
        dump.waitForFinished(20000);
        const QImage screen = readXwd(dump.readAllStandardOutput());
        Marbles seen{};
        for (int cell = 0; cell < kCells; ++cell)
            seen[std::size_t(cell)] =
                isHole(cell) && screen.pixelColor(centreOf(cell)) == QColor(0, 0, 128);
        return seen;
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"Xvfb", "xdotool", "xwd"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
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
        const std::vector<Move> line = {{31, 17}, {26, 24}, {17, 31}};
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
        key("ctrl+r");
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after[2].marbles(), 5000);
        key("ctrl+z");
        QTRY_COMPARE_WITH_TIMEOUT(boardOnScreen(centreOf), after[3].marbles(), 5000);
        game.kill();
        game.waitForFinished();
        QFile::remove(undo);
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

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_e2e.moc"
