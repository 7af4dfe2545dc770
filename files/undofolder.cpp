#include "files/undofolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace pebblenix {

namespace {

bool isPrivateFolder(const QByteArray& path) {
    struct stat st {};
    return path.startsWith('/') && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700;
}

} // namespace

UndoFolder chooseUndoFolder(const QString& runtimeFolder, const QString& cacheFolder,
                            const QString& tempFolder) {
    if (isPrivateFolder(QFile::encodeName(runtimeFolder)))
        return {runtimeFolder};
    if (!cacheFolder.isEmpty()) {
        const QString cache = QDir::cleanPath(QFileInfo(cacheFolder).absoluteFilePath());
        const QByteArray name = QFile::encodeName(cache);
        QDir().mkpath(QFileInfo(cache).path()); // ~/.cache as the system makes it
        ::mkdir(name.constData(), 0700);        // fails harmlessly when it is there
        if (isPrivateFolder(name))
            return {cache};
        // Looser bits or another owner: whatever is in it may not be ours alone.
        if (QByteArray fresh = name + "-XXXXXX"; ::mkdtemp(fresh.data()))
            return {QFile::decodeName(fresh), true};
    }
    // No cache folder to be had: a fresh one in the shared temporary folder is still ours
    // alone, made with mode 0700 under a name no other user can take first.
    if (QByteArray fresh = QFile::encodeName(QDir(tempFolder).filePath("pebblenix-XXXXXX"));
        ::mkdtemp(fresh.data()))
        return {QFile::decodeName(fresh), true};
    return {};
}

} // namespace pebblenix
