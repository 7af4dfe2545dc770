// The game file: its exact bytes, every way a file can be wrong, and a save killed half way.

#include "files/atomicfile.h"
#include "files/undofolder.h"
#include "tests/support.h"

#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <string_view>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

QByteArray withLine(QByteArray bytes, int line, const QByteArray& text) {
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = text + (line < 51 ? "\r" : "");
    return lines.join('\n');
}

int modeOf(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path), &st) == 0 ? int(st.st_mode & 0777) : -1;
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
            {"50 lines", good.left(good.lastIndexOf("\r\n")), "has only 50"},
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

    // The player's own links are followed, a chain and a folder on the way too; what
    // cannot be written is refused with its reason, and nothing is written anywhere.
    void writingThroughThePlayersLinks_data() {
        QTest::addColumn<QStringList>("links"); // "name>target", made in turn; @ is the folder
        QTest::addColumn<QString>("name");      // what is written to
        QTest::addColumn<QString>("lands");     // the file that then holds it, or !why not
        const std::tuple<const char*, QStringList, const char*, const char*> rows[] = {
            {"a link", {"a>old"}, "a", "old"},
            {"a chain, one absolute", {"b>old", "a>@/b"}, "a", "old"},
            {"a new file behind a link", {"a>new"}, "a", "new"},
            {"a folder on the way", {"f>sub"}, "f/x", "sub/x"},
            {"a loop", {"a>b", "b>a"}, "a", "!Too many levels of symbolic links"},
            {"a link to a folder", {"a>sub"}, "a", "!a folder of that name is in the way"},
            {"a link to a FIFO", {"a>fifo"}, "a", "!not a regular file"}};
        for (const auto& [row, links, name, lands] : rows)
            QTest::newRow(row) << links << name << lands;
    }
    void writingThroughThePlayersLinks() {
        QFETCH(QStringList, links);
        QFETCH(QString, name);
        QFETCH(QString, lands);
        QTemporaryDir here;
        const QString at = here.path() + "/";
        writeAll(at + "old", "old"), QDir(at).mkdir("sub"),
            mkfifo(QFile::encodeName(at + "fifo"), 0600);
        for (const QString& link : links)
            QVERIFY(symlink(QFile::encodeName(link.section('>', 1).replace("@", here.path())),
                            QFile::encodeName(at + link.section('>', 0, 0))) == 0);
        const QStringList before = QDir(at).entryList(QDir::AllEntries | QDir::System);
        const auto failure = writeFileAtomically(at + name, "new");
        if (lands.startsWith('!')) {
            QVERIFY2(failure && failure->contains(lands.mid(1)), qPrintable(failure.value_or("")));
            QCOMPARE(readAll(at + "old"), QByteArray("old"));
            QCOMPARE(QDir(at).entryList(QDir::AllEntries | QDir::System), before);
            return;
        }
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        QCOMPARE(readAll(at + lands), QByteArray("new"));
        QVERIFY(QFileInfo(at + links.last().section('>', 0, 0)).isSymLink()); // still a link
    }

    // A file written anew keeps the bits of the player's file it replaces, or gets the usual
    // ones; the undo file and its folder are the player's alone whatever the umask.
    void permissionBits_data() {
        QTest::addColumn<int>("before");   // -1: no file yet
        QTest::addColumn<QString>("file"); // a game, the undo file, or another user's game
        QTest::addColumn<int>("after");
        QTest::newRow("a new game file") << -1 << "game" << 0644;
        QTest::newRow("a game file kept at 0640") << 0640 << "game" << 0640;
        QTest::newRow("another user's 0666 file") << 0666 << "theirs" << 0644;
        QTest::newRow("a new undo file") << -1 << "undo" << 0600;
        QTest::newRow("an undo file once 0644") << 0644 << "undo" << 0600;
    }
    void permissionBits() {
        QFETCH(int, before);
        QFETCH(QString, file);
        QFETCH(int, after);
        if (file == "theirs")
            SKIP_UNLESS_ROOT("a file of another user's");
        const mode_t umasked = umask(022);
        const QString path = dir.filePath("bits.pnx");
        QFile::remove(path);
        if (before >= 0)
            writeAll(path, "old"), chmod(QFile::encodeName(path), mode_t(before));
        if (file == "theirs")
            QVERIFY(chown(QFile::encodeName(path), getpwnam("nobody")->pw_uid, 0) == 0);
        const bool undo = file == "undo";
        QVERIFY(!(undo ? writeUndoFile(path, newGamePosition())
                       : writeGameFile(path, newGamePosition())));
        umask(umasked);
        QCOMPARE(modeOf(path), after);
    }

    // The undo file's folder: the runtime folder when it is the player's alone, else one
    // made so in the cache, else a fresh one beside that.
    void undoFolder_data() {
        QTest::addColumn<QString>("runtime"); // private, 0755, foreign, link, missing, unset
        QTest::addColumn<QString>("cache");   // missing, private, 0755, link, impossible
        QTest::addColumn<QString>("chosen");  // runtime, cache, fresh or temporary
        const char* rows[][3] = {{"private", "missing", "runtime"},   {"0755", "missing", "cache"},
                                 {"foreign", "missing", "cache"},     {"link", "private", "cache"},
                                 {"missing", "missing", "cache"},     {"unset", "missing", "cache"},
                                 {"unset", "0755", "fresh"},          {"unset", "link", "fresh"},
                                 {"unset", "impossible", "temporary"}};
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1 runtime, %2 cache").arg(r[0], r[1])))
                << r[0] << r[1] << r[2];
    }
    void undoFolder() {
        QFETCH(QString, runtime);
        QFETCH(QString, cache);
        QFETCH(QString, chosen);
        QTemporaryDir here;
        const QString run = here.filePath("run"), cached = here.filePath("cache/Pebblenix");
        if (runtime == "foreign")
            SKIP_UNLESS_ROOT("a folder of another user's");
        const auto make = [&](const QString& path, const QString& kind) {
            const QByteArray name = QFile::encodeName(path);
            const mode_t mode = kind == "0755" ? 0755 : 0700;
            if (kind == "link") {
                QDir().mkpath(here.filePath("real"));
                QVERIFY(symlink(QFile::encodeName(here.filePath("real")), name) == 0);
            } else if (kind != "missing" && kind != "unset" && kind != "impossible") {
                QVERIFY(mkdir(name, mode) == 0 && chmod(name, mode) == 0);
            }
            if (kind == "foreign")
                QVERIFY(chown(name, getpwnam("nobody")->pw_uid, 0) == 0);
        };
        if (cache == "impossible") // a file where the cache folder's own folder should be
            writeAll(here.filePath("cache"), "");
        else
            QDir().mkpath(here.filePath("cache"));
        make(run, runtime);
        make(cached, cache);
        QDir().mkpath(here.filePath("tmp"));
        const UndoFolder folder =
            chooseUndoFolder(runtime == "unset" ? QString() : run, cached, here.filePath("tmp"));
        QCOMPARE(folder.fresh, chosen == "fresh" || chosen == "temporary");
        if (chosen != "runtime" && chosen != "cache")
            QVERIFY(folder.path.startsWith(chosen == "fresh" ? cached + "-"
                                                             : here.filePath("tmp/pebblenix-")));
        else
            QCOMPARE(folder.path, chosen == "runtime" ? run : cached);
        QCOMPARE(modeOf(folder.path), 0700);
        const QString undo = undoFilePath(folder.path);
        QVERIFY(!writeUndoFile(undo, newGamePosition()));
        QCOMPARE(modeOf(undo), 0600);
    }

    // Another user watching the folder looks at each new file the moment it appears: the
    // temporary file of a private game must already be the player's alone then.
    void aTemporaryFileIsBornPrivate() {
        QTemporaryDir here;
        const QString path = here.filePath("private.pnx");
        writeAll(path, "old"), chmod(QFile::encodeName(path), 0600);
        const int watch = inotify_init1(IN_CLOEXEC);
        const int folder = open(QFile::encodeName(here.path()), O_PATH | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(here.path()), IN_CREATE) >= 0);
        // On the writer's processor, the watcher mostly runs as soon as a file is made,
        // before the writer's next step.
        cpu_set_t one, all;
        CPU_ZERO(&one);
        CPU_SET(sched_getcpu(), &one);
        sched_getaffinity(0, sizeof all, &all), sched_setaffinity(0, sizeof one, &one);
        std::vector<int> seen;
        std::thread watcher([&] {
            alignas(inotify_event) char events[4096];
            for (bool end = false; !end;)
                for (ssize_t n = read(watch, events, sizeof events), at = 0; at < n;) {
                    const auto* e = reinterpret_cast<const inotify_event*>(events + at);
                    struct stat st {};
                    if (e->name == std::string_view("end"))
                        end = true;
                    else if (fstatat(folder, e->name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                        seen.push_back(int(st.st_mode & 0777));
                    at += ssize_t(sizeof(inotify_event) + e->len);
                }
        });
        for (int save = 0; save < 200; ++save)
            writeGameFile(path, newGamePosition());
        writeAll(here.filePath("end"), "");
        watcher.join();
        sched_setaffinity(0, sizeof all, &all), close(watch), close(folder);
        QVERIFY(!seen.empty());
        QCOMPARE(std::count(seen.begin(), seen.end(), 0600), qsizetype(seen.size()));
    }

    // A name near the system's limit saves: the temporary file's name does not grow with it.
    void aNameNearTheLimit() {
        const QString path = dir.filePath(QString(250, 'g'));
        QVERIFY(!writeGameFile(path, newGamePosition()));
        QCOMPARE(readAll(path), formatGameFile(newGamePosition()));
    }

    // A save killed at any moment leaves either the old game or the new one, whole.
    void aSaveKilledHalfWay() {
        const QString target = dir.filePath("killed.pnx");
        const QByteArray a = formatGameFile(newGamePosition());
        const QByteArray b = formatGameFile(firstJumpPosition());
        writeAll(target, a);
        for (int round = 0; round < 40; ++round) {
            QProcess child;
            child.start(QStringLiteral(PEBBLENIX_SAVECHILD_PATH), {"game", target});
            QVERIFY(child.waitForStarted());
            QTest::qWait(5 + round);
            child.kill();
            child.waitForFinished();
            const QByteArray now = readAll(target);
            QVERIFY2(now == a || now == b, qPrintable(QString::number(now.size())));
        }
    }
};

PEBBLENIX_TEST_MAIN(TestGameFile, QCoreApplication)
#include "test_gamefile.moc"
