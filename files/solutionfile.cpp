#include "files/solutionfile.h"

#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <string>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pebblenix {

std::unique_ptr<SolutionFile> SolutionFile::open(const QString& path, QString& error) {
    // The table's own reasons are marked for translation where they are made.
    const auto damaged = [&](const std::string& why) {
        error =
            QStringLiteral("%1: %2").arg(path, QCoreApplication::translate("Files", why.c_str()));
        return nullptr;
    };
    QFile file;
    QString why;
    if (!openRegularFile(file, path, &why)) {
        error = QCoreApplication::translate("Files", "%1 cannot be read (%2)").arg(path, why);
        return nullptr;
    }
    // The first bytes say how large the table is; no more than that is ever read, and a
    // file of another size is refused before it is read at all.
    std::unique_ptr<SolutionFile> f(new SolutionFile);
    std::string damage;
    std::uint8_t prefix[SolutionTable::kPrefixBytes];
    const qint64 got = file.read(reinterpret_cast<char*>(prefix), sizeof prefix);
    if (got == 0)
        return damaged("the file is empty");
    const auto size = SolutionTable::imageSize(
        prefix, static_cast<std::size_t>(std::max<qint64>(got, 0)), damage);
    if (!size)
        return damaged(damage);
    if (file.size() != static_cast<qint64>(*size))
        return damaged("it has the wrong size");
    f->allocate(*size);
    std::memcpy(f->image_, prefix, sizeof prefix);
    const qint64 rest = static_cast<qint64>(*size - sizeof prefix);
    if (file.read(reinterpret_cast<char*>(f->image_ + sizeof prefix), rest) != rest)
        return damaged("it has the wrong size"); // cut short while being read
    const auto table = SolutionTable::view(f->image_, *size, damage);
    if (!table)
        return damaged(damage);
    f->table_ = *table;
    return f;
}

// Anonymous memory that the kernel may back with 2 MB pages: they fill in a fraction of
// the page faults, and lookups all over the table miss the address cache less.
void SolutionFile::allocate(std::size_t size) {
    size_ = size;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p != MAP_FAILED) {
        madvise(p, size, MADV_HUGEPAGE);
        image_ = static_cast<std::uint8_t*>(p);
        mapped_ = true;
        return;
    }
#endif
    image_ = new std::uint8_t[size];
}

SolutionFile::~SolutionFile() {
#ifdef __linux__
    if (mapped_) {
        munmap(image_, size_);
        return;
    }
#endif
    delete[] image_;
}

QString findSolutionFile(const QString& programFolder) {
    const QString fromEnvironment = qEnvironmentVariable("PEBBLENIX_SOLUTIONS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QDir dir(programFolder);
    const QString beside = dir.filePath(QString::fromLatin1(kSolutionFileName));
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(dir.filePath(QStringLiteral("../share/pebblenix/")) + QLatin1Char('/') +
                           QString::fromLatin1(kSolutionFileName));
}

} // namespace pebblenix
