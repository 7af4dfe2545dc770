#pragma once
// The fewest moves from every position that can finish in the centre, stored beside the
// table of solutions. A move is one marble's chain of jumps. The table of solutions holds
// the complement Q of every such position P, so this table holds one value per key of it,
// in the order of its ranks: the jumps of the finish from P less its fewest moves, the
// jumps that chains save (13 for the start). A finish from P always takes popcount(P) - 1
// jumps, so the moves follow. The jumps saved range from 0 to 17, but over at most 14
// values among the positions of one count of jumps: four bits above a base for each count.

#include "game/solutiontable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pebblenix {

class MoveTable {
public:
    static constexpr int kLevels = 32; // the jumps of a finish: 0 to 31
    // Magic, key count, the checksum of the table of solutions it was made for, the
    // checksum of the rest; then each level's base.
    static constexpr std::size_t kHeaderBytes = 32 + kLevels;

    // The image for `saved`, one value per key of `hints` in rank order; nothing, with the
    // reason in `error`, when the values of a level span more than four bits hold.
    static std::optional<std::vector<std::uint8_t>>
    serialize(const std::vector<std::uint8_t>& saved, const SolutionTable& hints,
              std::string& error);

    // The size of the whole image whose first kHeaderBytes these are, when it can be one
    // made for `hints`; nothing, with the reason in `error`, when not.
    static std::optional<std::size_t> imageSize(const std::uint8_t* data, std::size_t size,
                                                const SolutionTable& hints, std::string& error);

    // A view of an image held elsewhere, after the checks of imageSize, its size and its
    // checksum.
    static std::optional<MoveTable> view(const std::uint8_t* data, std::size_t size,
                                         const SolutionTable& hints, std::string& error);

    // The jumps saved by chains on the fewest-move finish of the key of this rank, whose
    // finish takes `jumps` jumps.
    unsigned saved(std::uint64_t rank, int jumps) const {
        if (rank >= count_ || jumps < 0 || jumps >= kLevels)
            return 0;
        return bases_[jumps] + ((values_[rank / 2] >> (4 * (rank % 2))) & 15u);
    }
    std::uint64_t size() const { return count_; }

private:
    const std::uint8_t* bases_ = nullptr;
    const std::uint8_t* values_ = nullptr;
    std::uint64_t count_ = 0;
};

} // namespace pebblenix
