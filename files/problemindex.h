#pragma once
// The problem collection: game files in a folder installed with the game, and an index
// beside them that gives their order, each one's chance of a centre finish by random jumps
// (which is too slow to work out at run time for the largest), its fewest moves (so that
// the list needs no table) and its English name.

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace pebblenix {

inline constexpr char kProblemIndexName[] = "index.txt";

struct ProblemEntry {
    QString file;    // a game file in the folder
    double chance;   // that jumps at random finish with one marble in the centre
    int par;         // the fewest moves to that finish
    QByteArray name; // in English, as marked for translation in the context "Problems"
};

// The entries in the order of the list, from a file of at most 64 KiB. Lines that begin
// with '#' and blank lines are skipped; every other holds the file's name (letters, digits
// and dashes, then ".pnx"), the chance, the fewest moves (1 or 2 digits) and the name,
// separated by blanks. Nothing, with the reason in `reason`, when the file cannot be read
// or a line is not an entry.
std::optional<std::vector<ProblemEntry>> readProblemIndex(const QString& folder,
                                                          QString* reason = nullptr);

// A problem's name in the player's language.
QString problemName(const QByteArray& name);

// Every name marked for translation: the index may use these and no other.
std::span<const char* const> markedProblemNames();

// Where the problems are looked for: $PEBBLENIX_PROBLEMS, then the folder "problems"
// beside the program (a build tree), then ../share/pebblenix/problems (an installed copy).
QString findProblemFolder(const QString& programFolder);

} // namespace pebblenix
