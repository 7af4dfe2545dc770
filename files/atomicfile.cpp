#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pebblenix {

namespace {

// As many links in a row as Linux follows before it gives up.
constexpr int kMostLinks = 40;

// A file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        reset(std::exchange(other.fd_, -1));
        return *this;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    int release() { return std::exchange(fd_, -1); }
    int get() const { return fd_; }

private:
    int fd_;
};

// Where a write lands once every link on the way is followed: the folder, held open so
// that nothing can swap it, the name in it, and what stands there now.
struct Landing {
    Descriptor folder;
    QByteArray name;
    bool exists = false;
    int ownBits = -1; // the permission bits of a file of this user's there, else -1
};

// The bits a new file gets: 0666 less the umask, read without changing it, since another
// thread may be making a file just then.
mode_t newFileBits() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (QByteArray line; !(line = status.readLine()).isEmpty();)
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return 0666 & ~mask;
            }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

std::deque<QByteArray> partsOf(const QByteArray& path) {
    std::deque<QByteArray> parts;
    for (const QByteArray& part : path.split('/'))
        if (!part.isEmpty() && part != ".")
            parts.push_back(part);
    return parts;
}

Descriptor openFolder(const QByteArray& path) {
    return Descriptor(::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

QString folderInTheWay() {
    //: Why a file could not be written: a folder has the file's name.
    return QCoreApplication::translate("Files", "a folder of that name is in the way");
}

// Follows `path` one part at a time, as the system would, but a link is followed only when
// it belongs to this user or to root.
std::optional<QString> land(const QString& path, Landing& at) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return qt_error_string(ENOENT);
    if (name.endsWith('/'))
        return folderInTheWay();
    const bool absolute = name.startsWith('/');
    Descriptor folder = openFolder(absolute ? "/" : ".");
    QByteArray walked = absolute ? "/" : ""; // the path so far, for the messages
    std::deque<QByteArray> rest = partsOf(name);
    int links = 0;
    while (!rest.empty()) {
        const QByteArray part = rest.front();
        rest.pop_front();
        const bool last = rest.empty();
        Descriptor here(::openat(folder.get(), part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (here.get() < 0) {
            if (errno != ENOENT || !last || part == "..")
                return qt_error_string(errno);
            at = {std::move(folder), part}; // a new file
            return std::nullopt;
        }
        struct stat st {};
        if (::fstat(here.get(), &st) != 0)
            return qt_error_string(errno);
        if (S_ISLNK(st.st_mode)) {
            if (st.st_uid != ::geteuid() && st.st_uid != 0)
                //: Why a file was not written. %1 is the path of a link that another user
                //: of the computer made, which could point at any of the player's files.
                return QCoreApplication::translate(
                           "Files", "%1 is a link owned by another user, so nothing is written "
                                    "through it")
                    .arg(QDir::toNativeSeparators(QFile::decodeName(walked + part)));
            if (++links > kMostLinks)
                return qt_error_string(ELOOP);
            QByteArray target(PATH_MAX, '\0');
            const ssize_t size = ::readlinkat(here.get(), "", target.data(), target.size());
            if (size <= 0)
                return qt_error_string(size < 0 ? errno : ENOENT);
            target.truncate(size);
            if (target.startsWith('/')) {
                folder = openFolder("/");
                walked = "/";
            }
            const std::deque<QByteArray> more = partsOf(target);
            rest.insert(rest.begin(), more.begin(), more.end());
            continue;
        }
        if (!last) {
            if (!S_ISDIR(st.st_mode))
                return qt_error_string(ENOTDIR);
            folder = std::move(here);
            walked += part + '/';
            continue;
        }
        if (S_ISDIR(st.st_mode))
            return folderInTheWay();
        if (!S_ISREG(st.st_mode)) // a FIFO or a device: never replaced by a file of ours
            //: Why a file was not read or written: it is a FIFO, a device or the like.
            return QCoreApplication::translate("Files", "it is not a regular file");
        at = {std::move(folder), part, true,
              st.st_uid == ::geteuid() ? static_cast<int>(st.st_mode & 0777) : -1};
        return std::nullopt;
    }
    return folderInTheWay(); // the path named a folder, such as "/" or "."
}

} // namespace

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           FileAccess access) {
    Landing at;
    if (const auto failure = land(path, at))
        return failure;
    const int folder = at.folder.get();
    // A read-only file stays as it is, as the player asked; a private file is the program's
    // own (the undo file), replaced whoever left it there, say the player running as root.
    if (access == FileAccess::Shared && at.exists &&
        ::faccessat(folder, at.name.constData(), W_OK, AT_EACCESS) != 0)
        return qt_error_string(errno);
    // A file of this user's keeps its bits. Another user's file lends none: its 0666
    // would give the player's game to everyone.
    const mode_t bits = access == FileAccess::Private ? 0600
                        : at.ownBits >= 0             ? static_cast<mode_t>(at.ownBits)
                                                      : newFileBits();
    // A name of our own beside the file: O_EXCL makes sure it is a new file, not something
    // another user put there. It is born readable by this user alone: another user who
    // opened it before it got its final bits would keep reading all that is written.
    Descriptor out;
    QByteArray temporary;
    for (int attempt = 0; out.get() < 0; ++attempt) {
        // Short and hidden, whatever the name: a name near the system's limit still has
        // room for it, and one left by a killed write stays out of the player's sight.
        temporary = ".pebblenix-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        out.reset(::openat(folder, temporary.constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                           0600));
        if (out.get() < 0 && (errno != EEXIST || attempt == 100))
            return qt_error_string(errno);
    }
    const auto fail = [&](const QString& why) {
        ::unlinkat(folder, temporary.constData(), 0);
        return why;
    };
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows here.
    qsizetype written = 0;
    int error = EIO;
    while (written < bytes.size()) {
        const ssize_t n = ::write(out.get(), bytes.constData() + written,
                                  static_cast<std::size_t>(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else {
            error = n < 0 ? errno : EIO;
            break;
        }
    }
    if (const int size = static_cast<int>(bytes.size()); written < size)
        return fail(written == 0
                        ? qt_error_string(error)
                        //: Why a file was not written. %1 is how many bytes were written,
                        //: %n the size of the whole file (always more than one byte).
                        : QCoreApplication::translate(
                              "Files",
                              "only %1 of the %n bytes could be written; the disk may be full",
                              nullptr, size)
                              .arg(written));
    if (::fsync(out.get()) != 0 && errno != EINVAL)
        return fail(qt_error_string(errno));
    // Only now, with everything written, may others read it; the umask does not narrow
    // the bits of a file that was there.
    if (::fchmod(out.get(), bits) != 0)
        return fail(qt_error_string(errno));
    if (::close(out.release()) != 0)
        return fail(qt_error_string(errno));
    // rename() replaces whatever stands at the name now, a link included, without following it.
    if (::renameat(folder, temporary.constData(), folder, at.name.constData()) != 0)
        return fail(qt_error_string(errno));
    return std::nullopt;
}

bool openRegularFile(QFile& file, const QString& path, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        //: Why a file cannot be read: there is none of that name.
        return fail(QCoreApplication::translate("Files", "the file does not exist"));
    if (fd < 0 && errno == ENAMETOOLONG)
        //: Why a file cannot be read: its name is longer than the system allows.
        return fail(QCoreApplication::translate("Files", "the name is too long"));
    if (fd < 0)
        return fail(qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(S_ISDIR(st.st_mode)
                        //: Why a file cannot be read: the name is a folder's.
                        ? QCoreApplication::translate("Files", "it is a folder, not a file")
                        : QCoreApplication::translate("Files", "it is not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

std::optional<QByteArray> readFileBounded(const QString& path, qint64 limit, QString* reason) {
    QFile file;
    if (!openRegularFile(file, path, reason))
        return std::nullopt;
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace pebblenix
