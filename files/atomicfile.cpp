#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pebblenix {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isDir())
        return QCoreApplication::translate("Files", "a folder of that name is in the way");
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows here: a
    // buffered QSaveFile, and QSettings with it, can commit a truncated file and call it done.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason =
            written < 0 ? file.errorString()
                        : QCoreApplication::translate(
                              "Files", "only %1 of %2 bytes could be written; the disk may be full")
                              .arg(written)
                              .arg(bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
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
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(S_ISDIR(st.st_mode)
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
