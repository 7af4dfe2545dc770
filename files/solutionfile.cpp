#include "files/solutionfile.h"

#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <string>

namespace pebblenix {

std::unique_ptr<SolutionFile> SolutionFile::open(const QString& path, QString& error) {
    std::unique_ptr<SolutionFile> f(new SolutionFile);
    QString why;
    if (!openRegularFile(f->file_, path, &why)) {
        error = QCoreApplication::translate("Files", "%1 cannot be read (%2)").arg(path, why);
        return nullptr;
    }
    const qint64 size = f->file_.size();
    f->map_ = size > 0 ? f->file_.map(0, size) : nullptr;
    if (!f->map_) {
        error = QCoreApplication::translate("Files", "%1 cannot be read (%2)")
                    .arg(path, f->file_.errorString());
        return nullptr;
    }
    std::string damage;
    const auto table = SolutionTable::view(f->map_, static_cast<std::size_t>(size), damage);
    if (!table) {
        error = QStringLiteral("%1: %2").arg(path, QString::fromStdString(damage));
        return nullptr;
    }
    f->table_ = *table;
    return f;
}

SolutionFile::~SolutionFile() {
    if (map_)
        file_.unmap(map_);
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
