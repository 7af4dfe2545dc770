// What pebblenix-solve does with a file: read it, and from a valid position follow the
// hints to the end. Every hinted jump must be legal and keep the centre finish possible.
// The table comes from $PEBBLENIX_SOLUTIONS; without it only the reading is exercised.
// An input that begins as a table of solutions is read as one instead, its checksum made
// valid first so that the checks of its structure are reached: whatever they let through
// must answer lookups and list its keys without reading outside the image. Its bytes also
// make a table of fewest moves for it, whose values need agree with nothing: the count and
// the line from each key's complement must still come without a fault, and a line must be
// legal and end in the centre.

#include "files/gamefile.h"
#include "files/solutionfile.h"
#include "game/bitboard.h"
#include "game/fewestmoves.h"
#include "game/hint.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

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

void readMoves(const SolutionTable& hints, const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> values(hints.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = data[i % size] % 16;
    std::string error;
    const auto image = MoveTable::serialize(values, hints, error);
    if (!image)
        std::abort(); // four bits hold every value
    const auto table = MoveTable::view(image->data(), image->size(), hints, error);
    if (!table)
        std::abort();
    const FewestMoves engine(hints, *table);
    int asked = 0;
    hints.forEach([&](std::uint64_t key) {
        if (++asked > 64)
            return;
        const Bits start = kAllHoles & ~expand(key);
        int moving = 0; // the first marble, as if it had just jumped
        while (moving < kCells && !(start & bitOf(moving)))
            ++moving;
        engine.fewestMoves(start, moving);
        const auto line = engine.fewestMovesLine(start, moving);
        Bits board = start;
        for (const auto& move : line.value_or(MoveLine{}))
            for (const Jump& j : move) {
                if (!jumpPossible(board, j))
                    std::abort();
                board = afterJump(board, j);
            }
        if (line && board != bitOf(kCentre))
            std::abort();
    });
}

void readTable(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> image(data, data + size);
    if (size >= SolutionTable::kHeaderBytes) {
        const std::uint64_t sum = SolutionTable::checksum(
            image.data() + SolutionTable::kHeaderBytes, size - SolutionTable::kHeaderBytes);
        std::memcpy(image.data() + 16, &sum, 8);
    }
    std::string error;
    const auto table = SolutionTable::view(image.data(), image.size(), error);
    if (!table)
        return;
    // A crafted table may list keys it cannot find (its low parts out of order), but it
    // lists as many as it says it holds.
    std::uint64_t listed = 0, found = 0;
    table->forEach([&](std::uint64_t key) {
        ++listed;
        found += table->contains(key) + table->contains(key ^ 1);
    });
    for (std::size_t i = 0; i + 5 <= size; i += 5) {
        std::uint64_t key = 0;
        std::memcpy(&key, data + i, 5);
        found += table->contains(key);
    }
    if (listed != table->size() || found > 2 * listed + size / 5)
        std::abort();
    readMoves(*table, data, size);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 6 && std::memcmp(data, "PNXSOL", 6) == 0) {
        readTable(data, size);
        return 0;
    }
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
