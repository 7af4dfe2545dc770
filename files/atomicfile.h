#pragma once
// Replacing a file's whole content so that a failure never leaves it half written.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace pebblenix {

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the
// old file only once everything is on disk. Returns the reason on failure; the old file
// is then exactly as it was.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

// Opens a file for reading only if it is a regular file, and never waits: a FIFO or a
// device is refused with its reason instead of blocking the program.
bool openRegularFile(QFile& file, const QString& path, QString* reason = nullptr);

// Reads at most `limit` bytes of a regular file; nothing when it cannot be read.
std::optional<QByteArray> readFileBounded(const QString& path, qint64 limit,
                                          QString* reason = nullptr);

} // namespace pebblenix
