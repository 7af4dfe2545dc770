#include "tests/support.h"

#include "files/solutionfile.h"
#include "game/game.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

namespace pebblenix::test {

PrivateFolders::PrivateFolders()
    : root(qEnvironmentVariable("PEBBLENIX_TEST_ROOT", QStringLiteral("/tmp")) +
           "/pebblenix-test-XXXXXX") {
    if (!root.isValid())
        qFatal("cannot make a private test folder");
    for (const char* sub : {"tmp", "config", "home", "runtime"})
        QDir(root.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("TMPDIR", QFile::encodeName(root.filePath("tmp")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath("runtime")));
    qputenv("HOME", QFile::encodeName(root.filePath("home")));
}

FileSizeLimit::FileSizeLimit(quint64 bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    old_ = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = old_;
    setrlimit(RLIMIT_FSIZE, &limit);
}

Position firstJumpPosition() {
    Game g;
    g.jump(10, 24);
    Position p = g.position();
    p.clock = QStringLiteral("TimeOut!!");
    return p;
}

Position positionWith(std::initializer_list<int> marbles, const QByteArray& clock,
                      const QByteArray& count) {
    Position p;
    for (int c : marbles)
        p.marbles[static_cast<std::size_t>(c)] = true;
    p.clock = QString::fromLatin1(clock);
    p.countText = count.isNull() ? QString::number(marbles.size()) : QString::fromLatin1(count);
    p.count = static_cast<quint8>(p.countText.toInt());
    return p;
}

namespace {
const SolutionTable& solutionTable() {
    static const auto file = [] {
        QString error;
        auto opened =
            SolutionFile::open(findSolutionFile(QCoreApplication::applicationDirPath()), error);
        if (!opened)
            qFatal("the table of solutions cannot be used: %s", qPrintable(error));
        return opened;
    }();
    return file->table();
}
} // namespace

const HintEngine& tableEngine() {
    static const HintEngine engine(solutionTable());
    return engine;
}

const FewestMoves& tableMoves() {
    static const auto file = [] {
        QString error;
        auto opened = MoveFile::open(findMoveFile(QCoreApplication::applicationDirPath()),
                                     solutionTable(), error);
        if (!opened)
            qFatal("the table of fewest moves cannot be used: %s", qPrintable(error));
        return opened;
    }();
    static const FewestMoves moves(solutionTable(), file->table());
    return moves;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

} // namespace pebblenix::test
