#pragma once
// The tables behind the engine as files: made at build time, installed beside the game's
// data, and read into memory whole on first use. Once read and checked a table is the
// program's own: one replaced, cut short or rewritten on disk while the game runs cannot
// pull pages away from under a hint.

#include "game/movetable.h"
#include "game/solutiontable.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace pebblenix {

inline constexpr char kSolutionFileName[] = "pebblenix-solutions.bin";
inline constexpr char kMoveFileName[] = "pebblenix-moves.bin";

// A table's image, read whole into memory of its own.
class TableImage {
public:
    TableImage() = default;
    ~TableImage();
    TableImage(const TableImage&) = delete;
    TableImage& operator=(const TableImage&) = delete;

    void allocate(std::size_t size);
    std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
};

class SolutionFile {
public:
    // Reads and checks the file; nothing, with the reason in `error`, when that fails.
    static std::unique_ptr<SolutionFile> open(const QString& path, QString& error);

    const SolutionTable& table() const { return table_; }

private:
    SolutionFile() = default;
    TableImage image_;
    SolutionTable table_;
};

// The table of fewest moves, which belongs with one table of solutions: read only when
// fewest moves are first asked for (it adds 12 MB).
class MoveFile {
public:
    // Reads and checks the file made for `hints`, which must outlive it; nothing, with the
    // reason in `error`, when that fails.
    static std::unique_ptr<MoveFile> open(const QString& path, const SolutionTable& hints,
                                          QString& error);

    const MoveTable& table() const { return table_; }

private:
    MoveFile() = default;
    TableImage image_;
    MoveTable table_;
};

// Where a table is looked for: $PEBBLENIX_SOLUTIONS (or $PEBBLENIX_MOVES), then beside the
// program (a build tree), then in ../share/pebblenix (an installed copy). The first that
// exists, or the installed place when none does.
QString findSolutionFile(const QString& programFolder);
QString findMoveFile(const QString& programFolder);

} // namespace pebblenix
