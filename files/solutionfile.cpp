#include "files/solutionfile.h"

#include "files/atomicfile.h"
#include "files/installed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pebblenix {

namespace {

// Reads the table at `path` into `image` and makes it with `view`; `size(prefix, got, why)`
// tells from its first `prefixBytes` how large it is. Nothing, with the reason in `error`.
template <class Size, class View>
auto readTable(const QString& path, std::size_t prefixBytes, Size size, View view,
               TableImage& image, QString& error) {
    decltype(view(image.data(), image.size(), std::declval<std::string&>())) table;
    // The table's own reasons are marked for translation where they are made.
    const auto damaged = [&](const std::string& why) {
        error =
            QStringLiteral("%1: %2").arg(path, QCoreApplication::translate("Files", why.c_str()));
        return table;
    };
    QFile file;
    QString why;
    if (!openRegularFile(file, path, &why)) {
        error = QCoreApplication::translate("Files", "%1 cannot be read (%2)").arg(path, why);
        return table;
    }
    // The first bytes say how large the table is; no more than that is ever read, and a
    // file of another size is refused before it is read at all.
    std::string damage;
    std::vector<std::uint8_t> prefix(prefixBytes);
    const qint64 got =
        file.read(reinterpret_cast<char*>(prefix.data()), static_cast<qint64>(prefixBytes));
    if (got == 0)
        return damaged("the file is empty");
    const auto expected =
        size(prefix.data(), static_cast<std::size_t>(std::max<qint64>(got, 0)), damage);
    if (!expected)
        return damaged(damage);
    if (file.size() != static_cast<qint64>(*expected) || *expected < prefixBytes)
        return damaged("it has the wrong size");
    image.allocate(*expected);
    std::memcpy(image.data(), prefix.data(), prefixBytes);
    const qint64 rest = static_cast<qint64>(*expected - prefixBytes);
    if (file.read(reinterpret_cast<char*>(image.data() + prefixBytes), rest) != rest)
        return damaged("it has the wrong size"); // cut short while being read
    table = view(image.data(), image.size(), damage);
    return table ? table : damaged(damage);
}

} // namespace

std::unique_ptr<SolutionFile> SolutionFile::open(const QString& path, QString& error) {
    std::unique_ptr<SolutionFile> f(new SolutionFile);
    const auto table = readTable(path, SolutionTable::kPrefixBytes, SolutionTable::imageSize,
                                 SolutionTable::view, f->image_, error);
    if (!table)
        return nullptr;
    f->table_ = *table;
    return f;
}

std::unique_ptr<MoveFile> MoveFile::open(const QString& path, const SolutionTable& hints,
                                         QString& error) {
    std::unique_ptr<MoveFile> f(new MoveFile);
    const auto table = readTable(
        path, MoveTable::kHeaderBytes,
        [&hints](const std::uint8_t* data, std::size_t got, std::string& why) {
            return MoveTable::imageSize(data, got, hints, why);
        },
        [&hints](const std::uint8_t* data, std::size_t size, std::string& why) {
            return MoveTable::view(data, size, hints, why);
        },
        f->image_, error);
    if (!table)
        return nullptr;
    f->table_ = *table;
    return f;
}

// Anonymous memory that the kernel may back with 2 MB pages: they fill in a fraction of
// the page faults, and lookups all over the table miss the address cache less.
void TableImage::allocate(std::size_t size) {
    size_ = size;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p != MAP_FAILED) {
        madvise(p, size, MADV_HUGEPAGE);
        data_ = static_cast<std::uint8_t*>(p);
        mapped_ = true;
        return;
    }
#endif
    data_ = new std::uint8_t[size];
}

TableImage::~TableImage() {
#ifdef __linux__
    if (mapped_) {
        munmap(data_, size_);
        return;
    }
#endif
    delete[] data_;
}

QString findSolutionFile(const QString& programFolder) {
    return findInstalled(programFolder, "PEBBLENIX_SOLUTIONS",
                         QString::fromLatin1(kSolutionFileName), InstalledKind::File);
}

QString findMoveFile(const QString& programFolder) {
    return findInstalled(programFolder, "PEBBLENIX_MOVES", QString::fromLatin1(kMoveFileName),
                         InstalledKind::File);
}

} // namespace pebblenix
