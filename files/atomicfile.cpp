#include "files/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pebblenix {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("a folder of that name is in the way");
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows here: a
    // buffered QSaveFile, and QSettings with it, can commit a truncated file and call it done.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason =
            written < 0
                ? file.errorString()
                : QStringLiteral("only %1 of %2 bytes could be written; the disk may be full")
                      .arg(written)
                      .arg(bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QByteArray> readFileBounded(const QString& path, qint64 limit, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace pebblenix
