#pragma once
// The table of solutions as a file: made at build time, installed beside the game's
// data, and mapped into memory on first use so that only the pages a hint touches are
// read.

#include "game/solutiontable.h"

#include <QFile>
#include <QString>
#include <memory>

namespace pebblenix {

inline constexpr char kSolutionFileName[] = "pebblenix-solutions.bin";

class SolutionFile {
public:
    // Maps and checks the file; nothing, with the reason in `error`, when that fails.
    static std::unique_ptr<SolutionFile> open(const QString& path, QString& error);
    ~SolutionFile();

    const SolutionTable& table() const { return table_; }

private:
    SolutionFile() = default;
    QFile file_;
    uchar* map_ = nullptr;
    SolutionTable table_;
};

// Where the table is looked for: $PEBBLENIX_SOLUTIONS, then beside the program (a build
// tree), then in ../share/pebblenix (an installed copy). The first that exists, or the
// installed place when none does.
QString findSolutionFile(const QString& programFolder);

} // namespace pebblenix
