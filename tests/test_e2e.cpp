// The real program in a real X server: click a marble and the centre with the mouse, then
// check the undo file and a screenshot. Skipped where Xvfb, xdotool or xwd is missing.

#include "files/gamefile.h"
#include "tests/support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

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
private slots:
    void playAJumpWithTheMouse() {
        for (const char* tool : {"Xvfb", "xdotool", "xwd"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
        QTemporaryDir home;
        QDir(home.path()).mkpath("tmp");
        QDir(home.path()).mkpath("config");

        QProcess xvfb;
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        QVERIFY(xvfb.waitForReadyRead(20000));
        const QString display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("TMPDIR", home.filePath("tmp"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(PEBBLENIX_APP_PATH), {});
        QVERIFY(game.waitForStarted());

        const QString window =
            run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Pebblenix$"}, env)
                .split('\n')
                .value(0);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        QTest::qWait(500);
        QMap<QString, int> geometry;
        for (const QString& line :
             run("xdotool", {"getwindowgeometry", "--shell", window}, env).split('\n'))
            geometry[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        const int menuBar = geometry["HEIGHT"] - 289; // the client area is 289 pixels high
        const auto centreOf = [&](int cell) {
            return QPoint(geometry["X"] + 32 + 32 * (cell % 7) + 12,
                          geometry["Y"] + menuBar + 24 + 32 * (cell / 7) + 12);
        };
        for (int cell : {10, 24}) {
            const QPoint p = centreOf(cell);
            run("xdotool",
                {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()), "click",
                 "1"},
                env);
            QTest::qWait(200);
        }
        const QString undo = undoFilePath(home.filePath("tmp"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(undo), 5000);
        QCOMPARE(readAll(undo), formatGameFile(newGamePosition()));

        QTest::qWait(300);
        QProcess dump;
        dump.setProcessEnvironment(env);
        dump.start("xwd", {"-root", "-silent"});
        QVERIFY(dump.waitForFinished(20000));
        const QByteArray raw = dump.readAllStandardOutput();
        const QImage screen = readXwd(raw);
        QVERIFY(!screen.isNull());
        const QColor navy(0, 0, 128);
        QCOMPARE(screen.pixelColor(centreOf(24)), navy);  // the marble landed in the centre
        QVERIFY(screen.pixelColor(centreOf(10)) != navy); // and left d2...
        QVERIFY(screen.pixelColor(centreOf(17)) != navy); // ...over d3
        QCOMPARE(screen.pixelColor(centreOf(31)), navy);

        game.kill();
        game.waitForFinished();
        xvfb.terminate();
        xvfb.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_e2e.moc"
