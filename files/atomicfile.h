#pragma once
// Replacing a file's whole content so that a failure never leaves it half written.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace pebblenix {

// Who may read a file written anew: a new file gets the usual 0666 less the umask and an
// existing one of this user's keeps its bits (Shared), or it is the user's alone, 0600
// (Private). Either way the new file is this user's alone until it is whole.
// Shared: a file the player names, kept read-only if it is so. Private: the program's own,
// readable by this user alone and replaced whatever stood at its name.
enum class FileAccess { Shared, Private };

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the
// old file only once everything is on disk. Returns the reason on failure; the old file
// is then exactly as it was, and nothing was written anywhere.
//
// The path is followed one part at a time. A link is followed only when it belongs to this
// user or to root: in a folder others can write to, another user's link could point at any
// file of ours. The final rename replaces whatever then stands at the name, a link included,
// and never follows it, so nothing can redirect the write between the check and the rename.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           FileAccess access = FileAccess::Shared);

// Opens a file for reading only if it is a regular file, and never waits: a FIFO or a
// device is refused with its reason instead of blocking the program.
bool openRegularFile(QFile& file, const QString& path, QString* reason = nullptr);

// Reads at most `limit` bytes of a regular file; nothing when it cannot be read.
std::optional<QByteArray> readFileBounded(const QString& path, qint64 limit,
                                          QString* reason = nullptr);

} // namespace pebblenix
