#pragma once
// The lock the running copies of the game take before they rewrite a file they share (the
// records, the settings), and the judging of what stands at a name before it is used.
//
// QLockFile opens a lock that is already there to see whether it is stale, a blocking open
// that waits for ever on a FIFO, and it fails for good on a folder. So the names it will
// open are judged first: absent, or a small regular file of this user's, is fine; anything
// else (a link, a FIFO, a device, a folder, another user's file) is set aside, never
// followed, opened or deleted.

#include <QLockFile>
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace pebblenix {

// Why what lstat() found cannot be used as a file of this user's, as a phrase such as
// "it is a link"; nothing when it is a regular file of this user's of at most `most` bytes.
std::optional<QString> unusableBecause(const struct stat& st, qint64 most);

// Renames `path` beside itself as PATH.set-aside-YYYYMMDD-hhmmss (the link, not what it
// points at), never replacing anything. Returns the new name, or nothing with `why` set.
std::optional<QString> setAside(const QString& path, QString& why);

class FileLock {
public:
    // A lock on `path`, held in `path`.lock.
    explicit FileLock(const QString& path);

    enum class Outcome { Locked, Busy, Failed };
    // Waits at most `waitMs` for another copy to let go. Failed says why in `why`: the
    // system's reason, or a name that cannot be used nor set aside.
    Outcome tryLock(int waitMs, QString& why);

private:
    // Sets aside what cannot be used at the names QLockFile opens; why not, if it cannot.
    std::optional<QString> judgeNames();

    QString name_;
    QLockFile lock_;
};

} // namespace pebblenix
