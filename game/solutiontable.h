#pragma once
// The positions reachable from the start, one per symmetry class, stored compactly:
// sorted 33-bit keys split into 2^21 buckets by their top bits, each key's low 12 bits
// packed two to three bytes. About 40 MB for the 23.5 million classes; a lookup reads
// one bucket of about a dozen keys.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pebblenix {

class SolutionTable {
public:
    static constexpr int kBucketBits = 21;
    static constexpr int kLowBits = 12;
    static constexpr std::uint32_t kBuckets = 1u << kBucketBits;
    static constexpr std::uint32_t kBlockBuckets = 8; // a block's keys fit a 16-bit offset

    // The file image for a sorted list of distinct keys below 2^33.
    static std::vector<std::uint8_t> serialize(const std::vector<std::uint64_t>& sortedKeys);

    // A view of an image held elsewhere (a mapped file); checks its header, size and
    // checksum. Nothing, with the reason in `error`, when the image is damaged.
    static std::optional<SolutionTable> view(const std::uint8_t* data, std::size_t size,
                                             std::string& error);

    bool contains(std::uint64_t key) const;
    std::uint64_t size() const { return count_; }

    // Calls f(key) for every key, in ascending order.
    template <class F> void forEach(F f) const {
        std::uint64_t index = 0;
        for (std::uint32_t b = 0; b < kBuckets; ++b) {
            const std::uint64_t end = bucketStart(b + 1);
            for (; index < end; ++index)
                f((std::uint64_t{b} << kLowBits) | low(index));
        }
    }

    // FNV-1a over 64-bit words (and the tail bytes): enough to notice a damaged file.
    static std::uint64_t checksum(const std::uint8_t* data, std::size_t size);

private:
    std::uint64_t bucketStart(std::uint32_t bucket) const;
    std::uint32_t low(std::uint64_t index) const;

    const std::uint8_t* blocks_ = nullptr;  // 32-bit starts of each block of buckets
    const std::uint8_t* offsets_ = nullptr; // 16-bit start of each bucket within its block
    const std::uint8_t* packed_ = nullptr;
    std::uint64_t count_ = 0;
};

} // namespace pebblenix
