#pragma once
// What the Problems list shows, decided without a window: each problem of the index with
// its board, and the player's state of each from the records.

#include "files/problemindex.h"
#include "game/position.h"
#include "game/records.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace pebblenix {

struct ProblemRow {
    ProblemEntry entry;
    QString id;                       // the file's name without ".pnx", as the records name it
    std::optional<Position> position; // nothing when the file cannot be read
    QString problem;                  // why not
};

// The problems of the index in `folder`, in its order, each file read; none, with the
// reason in `reason`, when the index cannot be read.
std::vector<ProblemRow> loadProblems(const QString& folder, QString* reason = nullptr);

// The player's finishes of the problem, without help and with it.
std::array<std::optional<ProblemFinish>, 2> finishesOf(const Records& records, const QString& id);

// Next Unsolved: the first problem after row `from` (going round to the top, `from` itself
// last) that can be played and is not yet solved without help; nothing when none is left.
std::optional<std::size_t> nextUnsolved(const std::vector<ProblemRow>& rows, const Records& records,
                                        std::size_t from);

} // namespace pebblenix
