#include "view/problemlist.h"

#include "files/gamefile.h"

#include <QDir>

namespace pebblenix {

std::vector<ProblemRow> loadProblems(const QString& folder, QString* reason) {
    std::vector<ProblemRow> rows;
    const auto index = readProblemIndex(folder, reason);
    if (!index)
        return rows;
    for (const ProblemEntry& entry : *index) {
        ProblemRow row{entry, entry.file.chopped(4), std::nullopt, QString()};
        const QString path = QDir(folder).filePath(entry.file);
        const ReadResult read = readGameFile(path);
        if (read.position)
            // Every problem starts afresh, whatever its file's clock says.
            row.position = startingPosition(read.position->marbles);
        else
            row.problem = invalidFileMessage(path, read.problem);
        rows.push_back(row);
    }
    return rows;
}

std::array<std::optional<ProblemFinish>, 2> finishesOf(const Records& records, const QString& id) {
    const auto it = records.problems.find(id);
    return it == records.problems.end() ? std::array<std::optional<ProblemFinish>, 2>{}
                                        : it->second;
}

std::optional<std::size_t> nextUnsolved(const std::vector<ProblemRow>& rows, const Records& records,
                                        std::size_t from) {
    for (std::size_t step = 1; step <= rows.size(); ++step) {
        const std::size_t i = (from + step) % rows.size();
        if (rows[i].position && !finishesOf(records, rows[i].id)[Unaided])
            return i;
    }
    return std::nullopt;
}

} // namespace pebblenix
