// What pebblenix-solve does with a file: read it, and from a valid position follow the
// hints to the end. Every hinted jump must be legal and keep the centre finish possible.
// The table comes from $PEBBLENIX_SOLUTIONS; without it only the reading is exercised.

#include "files/gamefile.h"
#include "files/solutionfile.h"
#include "game/bitboard.h"
#include "game/hint.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace pebblenix;

namespace {
const HintEngine* engine() {
    static const auto file = [] {
        QString error;
        const QString path = qEnvironmentVariable("PEBBLENIX_SOLUTIONS");
        return path.isEmpty() ? nullptr : SolutionFile::open(path, error);
    }();
    static const auto hints = file ? std::make_unique<HintEngine>(file->table()) : nullptr;
    return hints.get();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParseResult read = parseGameFile(bytes);
    if (!read.position || !engine())
        return 0;
    Bits board = toBits(read.position->marbles);
    const bool winnable = engine()->canFinishInCentre(board);
    while (const auto jump = engine()->hint(board)) {
        if (!winnable || !jumpPossible(board, *jump))
            std::abort();
        board = afterJump(board, *jump);
        if (!engine()->canFinishInCentre(board))
            std::abort();
    }
    if (winnable && board != bitOf(kCentre))
        std::abort();
    return 0;
}
