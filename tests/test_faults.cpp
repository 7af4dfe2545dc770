// Every write the game makes, made to fail: a full disk, a missing folder, a folder where
// the file should be, read-only files and folders, the temporary folder taken away, a save
// killed half way, and a second copy of the game sharing the undo file. Each ends in a
// clear message, with the board, the labels, the file name and the files on disk as they were.

#include "app/colorsetting.h"
#include "app/frmgame.h"
#include "files/gamefile.h"
#include "tests/testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <unistd.h>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

Position positionA() {
    return newGamePosition();
}
Position positionB() {
    return firstJumpPosition();
}

// Everything the player could lose, taken before a failure and compared after it.
struct Snapshot {
    Marbles board;
    QString clock, count, file;
    bool showSave;
    quint8 marbles;
    explicit Snapshot(frmgame* w)
        : board(w->board()), clock(w->lbltime->text()), count(w->lblmarbles_On_hand->text()),
          file(w->PebblenixFile), showSave(w->gb_showsave), marbles(w->Marbles_On_Board) {}
    bool operator==(const Snapshot&) const = default;
};

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Game {
    FakeUi fake;
    std::unique_ptr<frmgame> w{frmgame::create()};
    Game() {
        w->pic_Click(10);
        w->pic_Click(24); // a game in progress, with an undo file
    }
    void expectOneCriticalMessage(const QString& mentioning) {
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QCOMPARE(fake.last().title, QStringLiteral("Pebblenix"));
        QVERIFY2(fake.last().text.contains(mentioning), qPrintable(fake.last().text));
        fake.clear();
    }
};

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // Save As onto `target` fails with a message; the game and `target` stay as they were.
    void saveAsFails(Game& g, const QString& target) {
        const QByteArray before = readAll(target);
        const Snapshot kept(g.w.get());
        g.fake.fileNames = {target};
        g.w->mnusaveas_Click();
        g.expectOneCriticalMessage(QDir::toNativeSeparators(target));
        QVERIFY(Snapshot(g.w.get()) == kept);
        QCOMPARE(readAll(target), before);
    }

    // A jump fails because the undo file cannot be written; nothing moves.
    void jumpFails(Game& g) {
        const Snapshot kept(g.w.get());
        g.w->pic_Click(31);
        g.w->pic_Click(17);
        g.expectOneCriticalMessage(QStringLiteral("undo file"));
        QVERIFY(Snapshot(g.w.get()) == kept);
    }

private slots:
    void init() { QFile::remove(undoFilePath(QDir::tempPath())); }

    void savingAGame() {
        Game g;
        g.fake.fileNames = {path("mine.pnx")};
        g.w->mnusaveas_Click();
        QVERIFY(g.fake.messages.empty());
        QVERIFY(!writeGameFile(path("old.pnx"), positionB()));
        {
            FileSizeLimit full(100);
            saveAsFails(g, path("old.pnx")); // a full disk: the old game survives whole
        }
        QDir(dir.path()).mkdir("a-folder.pnx");
        saveAsFails(g, path("missing/game.pnx"));
        saveAsFails(g, path("a-folder.pnx"));
        saveAsFails(g, path(QString(5000, 'n') + ".pnx")); // a name far too long
        QCOMPARE(QDir(dir.path()).entryList({"old.pnx*"}, QDir::Files).size(), 1);
    }

    void writingTheUndoFile() {
        const QString undo = undoFilePath(QDir::tempPath());
        {
            Game g;
            const QByteArray before = readAll(undo);
            FileSizeLimit full(100);
            jumpFails(g);
            QCOMPARE(readAll(undo), before); // the last undo position is still there
        }
        {
            Game g;
            QFile::remove(undo);
            QDir().mkdir(undo); // a folder standing where the undo file should be
            jumpFails(g);
            g.w->mnuundo_Click(); // nothing to undo from a folder, and nothing said
            QVERIFY(g.fake.messages.empty());
            QDir().rmdir(undo);
        }
    }

    void theTemporaryFolderTakenAwayWhileThePlayerPlays() {
        QTemporaryDir temp;
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        Game g;
        QVERIFY(g.w->tempdir == temp.path());
        QVERIFY(temp.remove());
        jumpFails(g);
        g.w->mnuundo_Click();
        QVERIFY(g.fake.messages.empty());
        g.fake.answers = {MsgAnswer::Yes};
        g.w->close(); // deleting the undo file from a missing folder is no failure
        qputenv("TMPDIR", QFileInfo(dir.path()).absolutePath().toLocal8Bit());
    }

    void storingTheColour() {
        ColourSetting::clearAll();
        QVERIFY(!ColourSetting::write(107));
        const QByteArray before = readAll(ColourSetting::filePath());
        Game g;
        const Snapshot kept(g.w.get());
        {
            FileSizeLimit full(10);
            g.w->mnuColour.at(102)->trigger();
        }
        g.expectOneCriticalMessage(QStringLiteral("colour could not be saved"));
        QVERIFY(Snapshot(g.w.get()) == kept);
        QCOMPARE(readAll(ColourSetting::filePath()), before);
        ColourSetting::clearAll();
    }

    // Run as root, this starts itself again as an unprivileged user for the cases that
    // permission bits decide; run as anyone else, it does them.
    void readOnlyFilesAndFolders() {
        if (geteuid() != 0) {
            readOnlyCases();
            return;
        }
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv is not installed, and root ignores permission bits");
        // The private test folders are the owner's alone; the other user gets one of its own.
        QTemporaryDir shared(QStringLiteral("/tmp/pebblenix-unprivileged-XXXXXX"));
        QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777));
        QProcess child;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_TEST_ROOT", shared.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(setpriv, {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                              QCoreApplication::applicationFilePath(), "readOnlyCases"});
        QVERIFY(child.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitCode() == 0, qPrintable(out));
        QVERIFY2(out.contains("PASS   : TestFaults::readOnlyCases()"), qPrintable(out));
    }

    void readOnlyCases() {
        if (geteuid() == 0)
            QSKIP("run by readOnlyFilesAndFolders as an unprivileged user");
        QTemporaryDir here;
        const auto make = [&](const QString& name) { return here.filePath(name); };
        Game g;
        // a read-only saved game is not replaced
        QVERIFY(!writeGameFile(make("kept.pnx"), positionB()));
        QFile::setPermissions(make("kept.pnx"), QFileDevice::ReadOwner);
        saveAsFails(g, make("kept.pnx"));
        // nothing is saved into a read-only folder
        QDir(here.path()).mkdir("locked");
        QFile::setPermissions(make("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        saveAsFails(g, make("locked/new.pnx"));
        // a read-only temporary folder: the jump is refused
        const QString temp = g.w->tempdir;
        QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        jumpFails(g);
        QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        // a read-only undo file: the jump is refused too
        QFile::setPermissions(g.w->TempFilePath(), QFileDevice::ReadOwner);
        jumpFails(g);
        QFile::setPermissions(g.w->TempFilePath(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // a read-only settings file, then a read-only settings folder
        QVERIFY(!ColourSetting::write(107));
        const QByteArray setting = readAll(ColourSetting::filePath());
        const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
        QFile::setPermissions(ColourSetting::filePath(), QFileDevice::ReadOwner);
        g.w->mnuColour.at(103)->trigger();
        g.expectOneCriticalMessage(QStringLiteral("colour could not be saved"));
        QFile::setPermissions(ColourSetting::filePath(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        g.w->mnuColour.at(103)->trigger();
        g.expectOneCriticalMessage(QStringLiteral("colour could not be saved"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(readAll(ColourSetting::filePath()), setting);
        QFile::setPermissions(make("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
    }

    // A save killed at any moment leaves either the old game or the new one, whole.
    void aSaveKilledHalfWay() {
        const QString target = path("killed.pnx");
        QVERIFY(!writeGameFile(target, positionA()));
        const QByteArray a = formatGameFile(positionA()), b = formatGameFile(positionB());
        for (int round = 0; round < 40; ++round) {
            QProcess child;
            child.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {target});
            QVERIFY(child.waitForStarted());
            QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(5, 60)));
            child.kill();
            child.waitForFinished();
            const QByteArray now = readAll(target);
            QVERIFY2(now == a || now == b, qPrintable(QString::number(now.size())));
        }
    }

    // Two copies of the game share one undo file: whatever the other does to it, Undo
    // either restores a whole position or does nothing.
    void twoCopiesShareTheUndoFile() {
        Game first;
        FakeUi& fake = first.fake;
        std::unique_ptr<frmgame> second(frmgame::create()); // its start deletes the undo file
        const Marbles afterJump = first.w->board();
        first.w->mnuundo_Click();
        QCOMPARE(first.w->board(), afterJump); // nothing to undo now
        second->pic_Click(22);
        second->pic_Click(24); // the other copy's jump rewrites the file
        first.w->mnuundo_Click();
        QCOMPARE(first.w->board(), startPosition()); // the other copy's last position
        QVERIFY(fake.messages.empty());

        // and while another process rewrites it as fast as it can
        QProcess rewriter;
        rewriter.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {first.w->TempFilePath()});
        QVERIFY(rewriter.waitForStarted());
        const Marbles a = positionA().marbles, b = positionB().marbles;
        for (int n = 0; n < 300; ++n) {
            first.w->mnuundo_Click();
            QVERIFY(first.w->board() == a || first.w->board() == b);
        }
        rewriter.kill();
        rewriter.waitForFinished();
        QVERIFY(fake.messages.empty());
    }

    // Huge inputs are refused after a few kilobytes, with memory staying flat.
    void oversizedInputs() {
        Game g;
        QFile big(path("huge.pnx"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(qint64(4) << 30)); // 4 GiB without a line break (sparse)
        big.close();
        QFile lines(path("lines.pnx"));
        QVERIFY(lines.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray("x\n").repeated(100000);
        for (int i = 0; i < 10; ++i)
            lines.write(block); // a million short lines
        lines.close();
        const long before = residentKiB();
        const Snapshot kept(g.w.get());
        QVERIFY(!g.w->OpenPebblenixFile(path("huge.pnx")));
        QVERIFY(!g.w->OpenPebblenixFile(path("lines.pnx")));
        QVERIFY(!g.w->OpenPebblenixFile(path(QString(5000, 'p'))));
        QVERIFY(residentKiB() - before < 4096);
        QVERIFY(Snapshot(g.w.get()) == kept);
        QCOMPARE(g.fake.messages.size(), std::size_t(3));
        QVERIFY(g.fake.messages[0].text.contains("longer") ||
                g.fake.messages[0].text.contains("line 1"));
        QFile::remove(path("huge.pnx"));
    }
};

PEBBLENIX_TEST_MAIN(TestFaults)
#include "test_faults.moc"
