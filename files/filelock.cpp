#include "files/filelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace pebblenix {

namespace {

// A lock holds a process id, a program name and a host name.
constexpr qint64 kMaxLockBytes = 4096;
// Something set aside and at once replaced by another is not chased for ever.
constexpr int kMostSetAside = 3;

} // namespace

std::optional<QString> unusableBecause(const struct stat& st, qint64 most) {
    if (S_ISLNK(st.st_mode))
        //: Why the records file (or its lock) cannot be used; said inside a sentence about it.
        return QCoreApplication::translate("Records", "it is a link");
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("Files", "it is a folder, not a file");
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("Files", "it is not a regular file");
    if (st.st_uid != ::geteuid())
        return QCoreApplication::translate("Records", "it belongs to another user");
    if (st.st_size > most)
        return QCoreApplication::translate("Records", "it is far too long");
    return std::nullopt;
}

std::optional<QString> setAside(const QString& path, QString& why) {
    const QByteArray name = QFile::encodeName(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1; n < 100; ++n) {
        const QString aside =
            QStringLiteral("%1.set-aside-%2%3")
                .arg(path, stamp, n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (::renameat2(AT_FDCWD, name.constData(), AT_FDCWD, QFile::encodeName(aside).constData(),
                        RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST)
            break;
    }
    why = qt_error_string(errno);
    return std::nullopt;
}

FileLock::FileLock(const QString& path) : name_(path + QStringLiteral(".lock")), lock_(name_) {}

std::optional<QString> FileLock::judgeNames() {
    // QLockFile also takes NAME.rmlock while it removes a stale lock.
    for (const QString& name : {name_, name_ + QStringLiteral(".rmlock")}) {
        for (int setAsides = 0;; ++setAsides) {
            struct stat st {};
            if (::lstat(QFile::encodeName(name).constData(), &st) != 0) {
                if (errno == ENOENT)
                    break;
                return qt_error_string(errno);
            }
            const auto unusable = unusableBecause(st, kMaxLockBytes);
            if (!unusable)
                break;
            QString cannot = qt_error_string(EEXIST);
            if (setAsides == kMostSetAside || !setAside(name, cannot))
                //: Why a file (the records, the settings) could not be written. %1 is the
                //: path of its lock file, which another copy of the game also uses, %2 why
                //: it cannot be used (such as "it is a link"), %3 why it could not be
                //: renamed (the system's reason, such as "Permission denied").
                return QCoreApplication::translate(
                           "Files", "its lock file %1 cannot be used (%2), nor set aside (%3)")
                    .arg(QDir::toNativeSeparators(name), *unusable, cannot);
        }
    }
    return std::nullopt;
}

FileLock::Outcome FileLock::tryLock(int waitMs, QString& why) {
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (const auto failure = judgeNames()) {
            why = *failure;
            return Outcome::Failed;
        }
        errno = 0;
        if (lock_.tryLock(0))
            return Outcome::Locked;
        if (lock_.error() != QLockFile::LockFailedError) {
            // QLockFile leaves the system's reason (a full disk, a read-only folder) in errno.
            why = errno != 0
                      ? qt_error_string(errno)
                      : QCoreApplication::translate("Records", "its lock file cannot be made");
            return Outcome::Failed;
        }
        if (deadline.hasExpired())
            return Outcome::Busy;
        // Often and at odd moments, unlike QLockFile's own waiting, whose doubling pauses let
        // a copy that writes again and again keep the lock from this one for seconds.
        std::this_thread::sleep_for(std::chrono::milliseconds(
            std::min<qint64>(deadline.remainingTime(), QRandomGenerator::global()->bounded(1, 8))));
    }
}

} // namespace pebblenix
