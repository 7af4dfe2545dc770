#include "game/movetable.h"

#include "game/board.h"

#include <QtGlobal>
#include <algorithm>
#include <bit>
#include <cstring>

namespace pebblenix {

namespace {

constexpr char kMagic[8] = {'P', 'N', 'X', 'M', 'O', 'V', '1', '\0'};
constexpr std::size_t kBasesAt = 32; // after the magic, the count and the two checksums

std::uint64_t get64(const std::uint8_t* at) {
    std::uint64_t value;
    std::memcpy(&value, at, 8);
    return value;
}

// Two values a byte, padded to whole 64-bit words.
std::uint64_t valueBytes(std::uint64_t count) {
    return (count + 15) / 16 * 8;
}

} // namespace

std::optional<std::vector<std::uint8_t>>
MoveTable::serialize(const std::vector<std::uint8_t>& saved, const SolutionTable& hints,
                     std::string& error) {
    if (saved.size() != hints.size()) {
        error = "not one value for each key";
        return std::nullopt;
    }
    // A key of the table holds the marbles left after its jumps from the start.
    std::vector<std::uint8_t> levels;
    levels.reserve(saved.size());
    hints.forEach([&](std::uint64_t key) {
        levels.push_back(static_cast<std::uint8_t>(kStartMarbles - std::popcount(key)));
    });
    std::array<std::uint8_t, kLevels> least, most;
    least.fill(255);
    most.fill(0);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const auto l = static_cast<std::size_t>(levels[i]);
        if (l >= kLevels) {
            error = "a key with no marble or 33";
            return std::nullopt;
        }
        least[l] = std::min(least[l], saved[i]);
        most[l] = std::max(most[l], saved[i]);
    }
    std::vector<std::uint8_t> out(kHeaderBytes + valueBytes(saved.size()), 0);
    for (int l = 0; l < kLevels; ++l) {
        const auto i = static_cast<std::size_t>(l);
        if (least[i] <= most[i] && most[i] - least[i] > 15) {
            error = "the jumps saved after " + std::to_string(l) + " jumps span " +
                    std::to_string(least[i]) + " to " + std::to_string(most[i]);
            return std::nullopt;
        }
        out[kBasesAt + i] = least[i] <= most[i] ? least[i] : 0;
    }
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const int value = saved[i] - out[kBasesAt + static_cast<std::size_t>(levels[i])];
        out[kHeaderBytes + i / 2] |= static_cast<std::uint8_t>(value << (4 * (i % 2)));
    }
    const std::uint64_t count = saved.size(), made = hints.imageChecksum();
    const std::uint64_t sum = SolutionTable::checksum(out.data() + kBasesAt, out.size() - kBasesAt);
    std::memcpy(out.data(), kMagic, 8);
    std::memcpy(out.data() + 8, &count, 8);
    std::memcpy(out.data() + 16, &made, 8);
    std::memcpy(out.data() + 24, &sum, 8);
    return out;
}

std::optional<std::size_t> MoveTable::imageSize(const std::uint8_t* data, std::size_t size,
                                                const SolutionTable& hints, std::string& error) {
    if (size < 8 || std::memcmp(data, kMagic, 6) != 0) {
        // The same words as for the table of solutions, which this one belongs with.
        error = QT_TRANSLATE_NOOP("Files", "it is not a table of solutions");
        return std::nullopt;
    }
    if (std::memcmp(data, kMagic, 8) != 0) {
        error = QT_TRANSLATE_NOOP("Files", "it was made by another version of Pebblenix");
        return std::nullopt;
    }
    if (size < kHeaderBytes) {
        error = QT_TRANSLATE_NOOP("Files", "it has the wrong size");
        return std::nullopt;
    }
    if (get64(data + 8) != hints.size() || get64(data + 16) != hints.imageChecksum()) {
        // Made beside another table of solutions, so by another build.
        error = QT_TRANSLATE_NOOP("Files", "it was made by another version of Pebblenix");
        return std::nullopt;
    }
    return static_cast<std::size_t>(kHeaderBytes + valueBytes(hints.size()));
}

std::optional<MoveTable> MoveTable::view(const std::uint8_t* data, std::size_t size,
                                         const SolutionTable& hints, std::string& error) {
    const auto expected = imageSize(data, size, hints, error);
    if (!expected)
        return std::nullopt;
    if (size != *expected) {
        error = QT_TRANSLATE_NOOP("Files", "it has the wrong size");
        return std::nullopt;
    }
    if (SolutionTable::checksum(data + kBasesAt, size - kBasesAt) != get64(data + 24)) {
        error = QT_TRANSLATE_NOOP("Files", "it is damaged");
        return std::nullopt;
    }
    MoveTable t;
    t.bases_ = data + kBasesAt;
    t.values_ = data + kHeaderBytes;
    t.count_ = hints.size();
    return t;
}

} // namespace pebblenix
