// Every failure a player can cause, one row each: a wrong file, a write that cannot be
// made, a vanished folder, an oversized input. Each ends in one clear critical message,
// with the game, its file name and the files on disk as they were.

#include "app/module1.h"
#include "files/settings.h"
#include "tests/uisupport.h"

#include <QScopeGuard>
#include <QStandardPaths>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// Who can make a row happen: permission bits stop only an unprivileged user, and only
// root can plant a link that belongs to another user.
enum class Runs { AsAnyone, Unprivileged, AsRoot };

struct Case {
    const char* name;
    const char* says; // a part of the message
    Runs runs;
    std::function<void(frmgame&, FakeUi&, const QString&)> act; // in a folder of its own
    std::function<void(frmgame&, const QString&)> prepare = {}; // before the snapshot
};

void setMode(const QString& path, int mode) {
    QFile::setPermissions(path, QFileDevice::Permissions(mode));
}
// Another user's link at `at`, pointing at `target`.
void plantLink(const QString& target, const QString& at) {
    const passwd* nobody = getpwnam("nobody");
    QVERIFY(nobody && symlink(QFile::encodeName(target), QFile::encodeName(at)) == 0);
    QVERIFY(lchown(QFile::encodeName(at), nobody->pw_uid, nobody->pw_gid) == 0);
}
const char kSaveFails[] = "The game could not be saved.";
const char kUndoFails[] = "undo file could not be written";
const char kForeignLink[] = "is a link owned by another user";
const char kNoTable[] = "no table of solutions"; // the engine is given a missing file

const std::vector<Case>& cases() {
    using W = frmgame&;
    using F = FakeUi&;
    using D = const QString&;
    static const std::vector<Case> all = {
        {"not a game file", "You have provided an invalid file format\r\n", Runs::AsAnyone,
         [](W w, F f, D d) { f.open(w, d + "/a.txt"); },
         [](W, D d) { writeAll(d + "/a.txt", "shopping list\n"); }},
        {"a 4 GiB file", "line 1", Runs::AsAnyone,
         [](W w, F f, D d) {
             QFile big(d + "/huge.pnx");
             QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(4) << 30));
             f.open(w, d + "/huge.pnx");
             big.remove();
         }},
        {"a FIFO, which would never answer", "not a regular file", Runs::AsAnyone,
         [](W w, F f, D d) {
             mkfifo(QFile::encodeName(d + "/f.pnx"), 0600), f.open(w, d + "/f.pnx");
         }},
        {"a damaged undo file", "invalid file format", Runs::AsAnyone,
         [](W w, F, D) { w.mnuundo_Click(); }, [](W w, D) { writeAll(undoFile(w), "rubbish"); }},
        {"saving into a missing folder", kSaveFails, Runs::AsAnyone,
         [](W w, F f, D d) { f.saveAs(w, d + "/no/x.pnx"); }},
        {"opening a name far too long", "the name is too long", Runs::AsAnyone,
         [](W w, F f, D d) { f.open(w, d + "/" + QString(5000, 'n')); }},
        {"saving on a full disk", kSaveFails, Runs::AsAnyone,
         [](W w, F f, D d) {
             FileSizeLimit full(100);
             f.saveAs(w, d + "/old.pnx");
         },
         [](W, D d) { writeAll(d + "/old.pnx", formatGameFile(firstJumpPosition())); }},
        {"the undo file on a full disk", kUndoFails, Runs::AsAnyone,
         [](W w, F, D) {
             FileSizeLimit full(100);
             jump(w, 31, 17);
         }},
        {"the undo folder taken away", kUndoFails, Runs::AsAnyone,
         [](W w, F, D d) {
             const QString temp = w.tempdir();
             w.session().setUndoFolder({d + "/vanished"});
             jump(w, 31, 17);
             w.session().setUndoFolder({temp});
         }},
        {"a colour that cannot be stored", "colour could not be saved", Runs::AsAnyone,
         [](W w, F f, D) {
             const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
             QDir(folder).removeRecursively();
             writeAll(folder, "a file where the folder should be");
             w.menuItem("mnu104")->trigger();
             QFile::remove(folder);
             QCOMPARE(f.messages.front().text, QStringLiteral("Start A New Game?")); // Yes
             f.messages.erase(f.messages.begin());
         }},
        {kNoTable, "Hints are not available", Runs::AsAnyone,
         [](W w, F f, D) {
             w.mnuhint_Click();
             QTRY_VERIFY_WITH_TIMEOUT(!f.messages.empty(), 10000); // the loader answers
         }},
        {"a read-only saved game", kSaveFails, Runs::Unprivileged,
         [](W w, F f, D d) { f.saveAs(w, d + "/kept.pnx"); },
         [](W, D d) { writeAll(d + "/kept.pnx", "kept"), setMode(d + "/kept.pnx", 0x4400); }},
        {"a read-only undo folder", kUndoFails, Runs::Unprivileged,
         [](W w, F, D) {
             setMode(w.tempdir(), 0x5500); // read and look up only
             jump(w, 31, 17);
             setMode(w.tempdir(), 0x7700);
         }},
        {"saving through another user's link", kForeignLink, Runs::AsRoot,
         [](W w, F f, D d) { f.saveAs(w, d + "/shared/game.pnx"); },
         [](W, D d) {
             writeAll(d + "/precious.txt", "precious");
             QDir(d).mkdir("shared");
             chmod(QFile::encodeName(d + "/shared"), 01777); // like /tmp
             plantLink(d + "/precious.txt", d + "/shared/game.pnx");
         }},
        {"Ctrl+S after another user swapped the file for a link", kForeignLink, Runs::AsRoot,
         [](W w, F, D) { w.mnusave_Click(); },
         [](W, D d) {
             writeAll(d + "/precious.txt", "precious");
             QFile::remove(d + "/mine.pnx");
             plantLink(d + "/precious.txt", d + "/mine.pnx");
         }},
        {"a folder on the way that is another user's link", kForeignLink, Runs::AsRoot,
         [](W w, F f, D d) { f.saveAs(w, d + "/elsewhere/mine.pnx"); },
         [](W, D d) { plantLink(d, d + "/elsewhere"); }},
        {"a colour setting behind another user's link", kForeignLink, Runs::AsRoot,
         [](W w, F f, D) {
             w.menuItem("mnu104")->trigger();
             QFile::remove(ColourSetting::filePath());
             f.messages.erase(f.messages.begin()); // "Start A New Game?", answered Yes
         },
         [](W, D d) {
             writeAll(d + "/precious.txt", "precious");
             QDir().mkpath(QFileInfo(ColourSetting::filePath()).path());
             QFile::remove(ColourSetting::filePath());
             plantLink(d + "/precious.txt", ColourSetting::filePath());
         }},
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
    Snapshot(frmgame& w, const QString& folder)
        : position(shownPosition(w)), file(w.PebblenixFile()), showSave(w.gb_showsave()),
          undo(readAll(undoFile(w))) {
        for (const QString& name : QDir(folder).entryList(QDir::Files))
            files << name + ":" + QString::fromLatin1(readAll(folder + "/" + name).toHex());
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
        if (c.runs == Runs::Unprivileged && geteuid() == 0)
            QSKIP("root ignores permission bits; asAnUnprivilegedUser runs this");
        if (c.runs == Runs::AsRoot)
            SKIP_UNLESS_ROOT("a link of another user's");
        QTemporaryDir dir;
        const QByteArray table = qgetenv("PEBBLENIX_SOLUTIONS");
        if (c.name == kNoTable)
            qputenv("PEBBLENIX_SOLUTIONS", QFile::encodeName(dir.filePath("none.bin")));
        TestServices made;
        qputenv("PEBBLENIX_SOLUTIONS", table);
        FakeUi& fake = made.fake;
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        jump(*w);                                  // a game in progress, with an undo file
        fake.saveAs(*w, dir.filePath("mine.pnx")); // and a file of its own
        if (c.prepare)
            c.prepare(*w, dir.path());
        const Snapshot before(*w, dir.path());
        c.act(*w, fake, dir.path());
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QCOMPARE(fake.last().title, QStringLiteral("Pebblenix"));
        QVERIFY2(fake.last().text.contains(QString::fromLatin1(c.says)),
                 qPrintable(fake.last().text));
        QVERIFY(fake.endedWith.empty());
        QVERIFY(Snapshot(*w, dir.path()) == before);
    }

    // What another user of the machine, or the player's own run as root, leaves where the
    // undo file will be: it is replaced, never written through or blocked on, and Undo works.
    void plantedUndoFiles_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"link to a file", "dangling link", "folder", "FIFO",
                                 "another user's file", "a read-only file"})
            QTest::newRow(kind) << kind;
    }
    void plantedUndoFiles() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        TestServices made;
        const QString victim = dir.filePath("notes.txt");
        writeAll(victim, "precious notes");
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        const QByteArray at = QFile::encodeName(undoFile(*w));
        const auto gone = qScopeGuard([&] { ::unlink(at) == 0 || ::rmdir(at); });
        const int planted = kind == "link to a file" ? symlink(QFile::encodeName(victim), at)
                            : kind == "dangling link"
                                ? symlink(QFile::encodeName(dir.filePath("created")), at)
                            : kind == "folder" ? mkdir(at, 0700)
                            : kind == "FIFO"   ? mkfifo(at, 0666)
                                               : (writeAll(QFile::decodeName(at), "theirs"), 0);
        QVERIFY(planted == 0);
        if (kind == "a read-only file") // the fault shows only to a user other than root
            QVERIFY(::chmod(at, 0400) == 0);
        else if (const passwd* nobody = getpwnam("nobody"); nobody && geteuid() == 0)
            QVERIFY(lchown(at, nobody->pw_uid, nobody->pw_gid) == 0);
        jump(*w);
        QVERIFY(made.fake.messages.empty() && shownCount(*w) == 31);
        struct stat st {};
        QVERIFY(lstat(at, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid());
        QCOMPARE(st.st_mode & 0777, 0600u);
        w->mnuundo_Click();
        QCOMPARE(shownMarbles(*w), startPosition());
        QCOMPARE(readAll(victim), QByteArray("precious notes"));
        QVERIFY(!QFile::exists(dir.filePath("created")));
    }

    // A name on the command line whose bytes are not UTF-8 is refused, never taken for
    // the file whose name its text would give.
    void aNameThatIsNotText() {
        QTemporaryDir dir;
        TestServices made;
        FakeUi& fake = made.fake;
        writeAll(dir.filePath(QStringLiteral("g\uFFFD.pnx")), formatGameFile(firstJumpPosition()));
        std::unique_ptr<frmgame> w(Module1::FromCommandLine(
            made.services, {QFile::encodeName(dir.path()) + "/g\xe9.pnx"}));
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QVERIFY(fake.last().text.contains("not valid UTF-8"));
        QVERIFY(w->PebblenixFile().isEmpty() && shownPosition(*w) == newGamePosition());
    }

    // Run as root, this starts itself again as an unprivileged user for the rows that
    // permission bits decide.
    void asAnUnprivilegedUser() {
        if (geteuid() != 0)
            QSKIP("the rows above ran as this user");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        QVERIFY2(!setpriv.isEmpty(), "setpriv is not installed");
        QTemporaryDir shared(QStringLiteral("/tmp/pebblenix-unprivileged-XXXXXX"));
        setMode(shared.path(), 0x7777);
        QProcess child;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PEBBLENIX_TEST_ROOT", shared.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(setpriv, {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                              QCoreApplication::applicationFilePath(),
                              "eachFailureIsToldAndChangesNothing", "plantedUndoFiles"});
        QVERIFY(child.waitForFinished(120000));
        const QString out = QString::fromLocal8Bit(child.readAll());
        // As nobody, the rows that need root skip, and only they.
        QVERIFY2(child.exitCode() == kSkippedCode && out.count("SKIP") == out.count("needs root"),
                 qPrintable(out));
    }
};

PEBBLENIX_TEST_MAIN(TestFailures, QApplication)
#include "test_failures.moc"
