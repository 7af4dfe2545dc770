#pragma once
// The table of solutions as a file: made at build time, installed beside the game's
// data, and read into memory whole on first use. Once read and checked it is the
// program's own: a table replaced, cut short or rewritten on disk while the game runs
// cannot pull pages away from under a hint.

#include "game/solutiontable.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace pebblenix {

inline constexpr char kSolutionFileName[] = "pebblenix-solutions.bin";

class SolutionFile {
public:
    // Reads and checks the file; nothing, with the reason in `error`, when that fails.
    static std::unique_ptr<SolutionFile> open(const QString& path, QString& error);

    const SolutionTable& table() const { return table_; }

    ~SolutionFile();
    SolutionFile(const SolutionFile&) = delete;
    SolutionFile& operator=(const SolutionFile&) = delete;

private:
    SolutionFile() = default;
    void allocate(std::size_t size);
    std::uint8_t* image_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    SolutionTable table_;
};

// Where the table is looked for: $PEBBLENIX_SOLUTIONS, then beside the program (a build
// tree), then in ../share/pebblenix (an installed copy). The first that exists, or the
// installed place when none does.
QString findSolutionFile(const QString& programFolder);

} // namespace pebblenix
