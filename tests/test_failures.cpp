// Every failure a player can cause, one row each: a wrong file, a write that cannot be
// made, a vanished folder, an oversized input. Each ends in one clear critical message,
// with the game, its file name and the files on disk as they were.

#include "app/frmgame.h"
#include "files/colorsetting.h"
#include "files/gamefile.h"
#include "tests/uisupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

struct Case {
    const char* name;
    const char* says;  // a part of the message
    bool unprivileged; // permission bits decide it, so root cannot run it
    std::function<void(frmgame&, FakeUi&, QTemporaryDir&)> act;
    std::function<void(frmgame&, QTemporaryDir&)> prepare = {}; // before the snapshot
};

void openFile(frmgame& w, FakeUi& fake, const QString& path) {
    fake.fileNames = {path};
    w.mnuopen_Click();
}
void saveAs(frmgame& w, FakeUi& fake, const QString& path) {
    fake.fileNames = {path};
    w.mnusaveas_Click();
}
void jump(frmgame& w) {
    w.pic_Click(31);
    w.pic_Click(17);
}
void setMode(const QString& path, int mode) {
    QFile::setPermissions(path, QFileDevice::Permissions(mode));
}
constexpr int kReadOnly = 0x4000 | 0x1000 | 0x0400; // owner read and execute, as Qt counts

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"not a game file", "You have provided an invalid file format\r\n", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) { openFile(w, f, d.filePath("notes.txt")); },
         [](frmgame&, QTemporaryDir& d) { writeAll(d.filePath("notes.txt"), "shopping list\n"); }},
        {"a typed name that does not exist", "does not exist", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) { openFile(w, f, d.filePath("gone.pnx")); }},
        {"a 4 GiB file", "line 1", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             QFile big(d.filePath("huge.pnx"));
             QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(4) << 30));
             big.close();
             openFile(w, f, big.fileName());
             big.remove();
         }},
        {"a FIFO, which would never answer", "not a regular file", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) { openFile(w, f, d.filePath("fifo.pnx")); },
         [](frmgame&, QTemporaryDir& d) {
             mkfifo(QFile::encodeName(d.filePath("fifo.pnx")), 0600);
         }},
        {"a damaged undo file", "invalid file format", false,
         [](frmgame& w, FakeUi&, QTemporaryDir&) { w.mnuundo_Click(); },
         [](frmgame& w, QTemporaryDir&) { writeAll(w.TempFilePath(), "rubbish"); }},
        {"saving into a missing folder", "The game could not be saved.", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) { saveAs(w, f, d.filePath("no/x.pnx")); }},
        {"saving onto a folder", "The game could not be saved.", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             QDir(d.path()).mkdir("folder.pnx");
             saveAs(w, f, d.filePath("folder.pnx"));
         }},
        {"saving a name far too long", "The game could not be saved.", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             saveAs(w, f, d.filePath(QString(5000, 'n')));
         }},
        {"saving on a full disk", "The game could not be saved.", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             FileSizeLimit full(100);
             saveAs(w, f, d.filePath("old.pnx"));
         },
         [](frmgame&, QTemporaryDir& d) {
             writeAll(d.filePath("old.pnx"), formatGameFile(firstJumpPosition()));
         }},
        {"the undo file on a full disk", "undo file could not be written", false,
         [](frmgame& w, FakeUi&, QTemporaryDir&) {
             FileSizeLimit full(100);
             jump(w);
         }},
        {"the undo folder taken away", "undo file could not be written", false,
         [](frmgame& w, FakeUi&, QTemporaryDir& d) {
             const QString temp = w.tempdir;
             w.tempdir = d.filePath("vanished");
             jump(w);
             w.tempdir = temp;
         }},
        {"a colour that cannot be stored", "colour could not be saved", false,
         [](frmgame& w, FakeUi&, QTemporaryDir&) {
             const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
             QDir(folder).removeRecursively();
             writeAll(folder, "a file where the folder should be");
             w.mnuColour.at(104)->trigger();
             QFile::remove(folder);
         }},
        {"no table of solutions", "Hints are not available", false,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             qputenv("PEBBLENIX_SOLUTIONS", d.filePath("none.bin").toLocal8Bit());
             w.mnuhint_Click();
             QTRY_VERIFY_WITH_TIMEOUT(!f.messages.empty(), 10000); // the loader answers
         }},
        {"a read-only saved game", "The game could not be saved.", true,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) { saveAs(w, f, d.filePath("kept.pnx")); },
         [](frmgame&, QTemporaryDir& d) {
             writeAll(d.filePath("kept.pnx"), "kept");
             setMode(d.filePath("kept.pnx"), 0x4000 | 0x0400);
         }},
        {"a read-only folder", "The game could not be saved.", true,
         [](frmgame& w, FakeUi& f, QTemporaryDir& d) {
             QDir(d.path()).mkdir("locked");
             setMode(d.filePath("locked"), kReadOnly);
             saveAs(w, f, d.filePath("locked/new.pnx"));
             setMode(d.filePath("locked"), 0x7700);
         }},
        {"a read-only undo folder", "undo file could not be written", true,
         [](frmgame& w, FakeUi&, QTemporaryDir&) {
             setMode(w.tempdir, kReadOnly);
             jump(w);
             setMode(w.tempdir, 0x7700);
         }},
        {"a read-only settings folder", "colour could not be saved", true,
         [](frmgame& w, FakeUi&, QTemporaryDir&) {
             const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
             setMode(folder, kReadOnly);
             w.mnuColour.at(103)->trigger();
             setMode(folder, 0x7700);
         },
         [](frmgame&, QTemporaryDir&) { QVERIFY(!ColourSetting::write(107)); }},
    };
    return all;
}

// Everything the player could lose, taken before a failure and compared after it.
struct Snapshot {
    Position position;
    QString file;
    bool showSave;
    QByteArray undo;
    QStringList files;
    Snapshot(frmgame& w, QTemporaryDir& d)
        : position(w.game.position()), file(w.PebblenixFile), showSave(w.gb_showsave),
          undo(readAll(w.TempFilePath())) {
        for (const QString& name : QDir(d.path()).entryList(QDir::Files))
            files << name + ":" + QString::fromLatin1(readAll(d.filePath(name)).toHex());
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class TestFailures : public QObject {
    Q_OBJECT
    PrivateFolders folders;

private slots:
    void eachFailureIsToldAndChangesNothing_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void eachFailureIsToldAndChangesNothing() {
        QFETCH(int, row);
        const Case& c = cases()[static_cast<std::size_t>(row)];
        if (c.unprivileged && geteuid() == 0)
            QSKIP("root ignores permission bits; asAnUnprivilegedUser runs this");
        QTemporaryDir dir;
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        w->pic_Click(10);
        w->pic_Click(24); // a game in progress, with an undo file
        fake.fileNames = {dir.filePath("mine.pnx")};
        w->mnusaveas_Click(); // and a file of its own
        if (c.prepare)
            c.prepare(*w, dir);
        const Snapshot before(*w, dir);
        c.act(*w, fake, dir);
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QCOMPARE(fake.last().title, QStringLiteral("Pebblenix"));
        QVERIFY2(fake.last().text.contains(QString::fromLatin1(c.says)),
                 qPrintable(fake.last().text));
        QVERIFY(fake.endedWith.empty());
        QVERIFY(Snapshot(*w, dir) == before);
    }

    // What another user of the machine plants where the undo file might be, in the shared
    // temporary folder or the player's own: nothing is written through it and Undo works.
    void plantedUndoFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("shared");
        for (const char* kind :
             {"link to a file", "dangling link", "foreign file", "folder", "FIFO"})
            for (bool shared : {true, false})
                QTest::newRow(qPrintable(QString::fromLatin1(kind) + (shared ? " in /tmp" : "")))
                    << QString::fromLatin1(kind) << shared;
    }
    void plantedUndoFiles() {
        QFETCH(QString, kind);
        QFETCH(bool, shared);
        QTemporaryDir dir;
        FakeUi fake;
        const QString victim = dir.filePath("notes.txt");
        writeAll(victim, "precious notes");
        const auto plant = [&](const QString& at) {
            const QByteArray p = QFile::encodeName(at);
            if (kind == "link to a file")
                QVERIFY(symlink(QFile::encodeName(victim), p) == 0);
            else if (kind == "dangling link")
                QVERIFY(symlink(QFile::encodeName(dir.filePath("created")), p) == 0);
            else if (kind == "folder")
                QVERIFY(QDir().mkdir(at));
            else if (kind == "FIFO")
                QVERIFY(mkfifo(p, 0666) == 0);
            else
                writeAll(at, "another user's");
            if (const passwd* nobody = getpwnam("nobody"))
                QVERIFY(lchown(p, nobody->pw_uid, nobody->pw_gid) == 0);
        };
        std::unique_ptr<frmgame> w(frmgame::create());
        const QString undo = shared ? undoFilePath(QDir::tempPath()) : w->TempFilePath();
        plant(undo);
        w->pic_Click(10);
        w->pic_Click(24);
        QVERIFY2(fake.messages.empty(), qPrintable(fake.messages.empty() ? "" : fake.last().text));
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
        w->mnuundo_Click();
        QCOMPARE(w->game.marbles(), startPosition());
        QCOMPARE(readAll(victim), QByteArray("precious notes"));
        QVERIFY(!QFile::exists(dir.filePath("created")));
        struct stat st {};
        if (shared) { // the other user's thing is theirs: left exactly as it was
            QVERIFY(lstat(QFile::encodeName(undo), &st) == 0);
            if (kind == "foreign file")
                QCOMPARE(readAll(undo), QByteArray("another user's"));
        }
        QFile::remove(undo);
        QDir().rmdir(undo);
    }

    // Run as root, this starts itself again as an unprivileged user for the rows that
    // permission bits decide.
    void asAnUnprivilegedUser() {
        if (geteuid() != 0)
            QSKIP("the rows above ran as this user");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv is not installed");
        QTemporaryDir shared(QStringLiteral("/tmp/pebblenix-unprivileged-XXXXXX"));
        setMode(shared.path(), 0x7777);
        QProcess child;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_TEST_ROOT", shared.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(setpriv, {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                              QCoreApplication::applicationFilePath(),
                              "eachFailureIsToldAndChangesNothing"});
        QVERIFY(child.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitCode() == 0 && !out.contains("SKIP"), qPrintable(out));
    }
};

QTEST_MAIN(TestFailures)
#include "test_failures.moc"
