#pragma once
// The positions reachable from the start, one per symmetry class, stored compactly. All of
// them lie in the start's position class (game/bitboard.h), in which four key bits follow
// from the other 29, so only those 29 are stored. The 29-bit keys are split into 1024
// chunks by their top bits; each chunk is an Elias-Fano list: a key's low bits in a
// fixed width chosen for the chunk's density, its bucket (the rest) in unary. About 13 MB
// for the 23.5 million classes; a lookup reads a sample, a word or two of the unary part
// and a bucket of one or two low parts.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace pebblenix {

// 64 bits of a little-endian bit string from bit `at` on, of which at least the first 57
// are the string's own.
inline std::uint64_t bitsAt(const std::uint8_t* bits, std::uint64_t at) {
    std::uint64_t w;
    std::memcpy(&w, bits + at / 8, 8);
    return w >> (at % 8);
}

class SolutionTable {
public:
    static constexpr int kKeyBits = 29;   // stored of the 33
    static constexpr int kChunkBits = 10; // the top bits that choose a chunk
    static constexpr int kInChunkBits = kKeyBits - kChunkBits;
    static constexpr std::uint32_t kChunks = 1u << kChunkBits;
    static constexpr int kSampleShift = 7; // every 128th bucket's start is kept at load
    static constexpr std::size_t kHeaderBytes = 8 + 8 + 8; // magic, key count, checksum
    // Everything a file says about its size is in its first kPrefixBytes: the header and
    // each chunk's key count (32 bits) and low-part width (8 bits).
    static constexpr std::size_t kPrefixBytes = kHeaderBytes + kChunks * 5;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20; // larger is not a table

    // Whether a 33-bit key is in the start's position class: no other can be stored.
    static bool storable(std::uint64_t key);

    // The file image for a sorted list of distinct storable keys.
    static std::vector<std::uint8_t> serialize(const std::vector<std::uint64_t>& sortedKeys);

    // The size of the whole image whose first bytes (at least kPrefixBytes, or the whole
    // image) these are; nothing, with the reason in `error`, when they cannot begin a
    // table.
    static std::optional<std::size_t> imageSize(const std::uint8_t* data, std::size_t size,
                                                std::string& error);

    // A view of an image held elsewhere; checks its header, size, checksum and structure,
    // so that no lookup can read outside it. Nothing, with the reason in `error`, when the
    // image is damaged.
    static std::optional<SolutionTable> view(const std::uint8_t* data, std::size_t size,
                                             std::string& error);

    bool contains(std::uint64_t key) const { return find(key) >= 0; }
    // A stored key's place in the order forEach lists them, from 0: an index for tables of
    // one value per key. Nothing for a key not stored.
    std::optional<std::uint64_t> rank(std::uint64_t key) const {
        const std::int64_t at = find(key);
        return at < 0 ? std::nullopt : std::optional<std::uint64_t>(at);
    }
    std::uint64_t size() const { return count_; }
    // The checksum of the image: another table made for this one names it.
    std::uint64_t imageChecksum() const { return checksum_; }

    // Calls f(key) once for every key, in the order they are stored.
    template <class F> void forEach(F f) const {
        for (std::uint32_t c = 0; c < kChunks; ++c) {
            const Chunk& chunk = chunks_[c];
            std::uint64_t at = chunk.highAt;
            for (std::uint32_t bucket = 0, index = 0; index < chunk.count; ++at) {
                if (!(bitsAt(high_, at) & 1)) {
                    ++bucket;
                    continue;
                }
                const std::uint32_t inChunk = (bucket << chunk.lowBits) | low(chunk, index++);
                f(restore((c << kInChunkBits) | inChunk));
            }
        }
    }

    // FNV-1a in four lanes over 64-bit words, so that their multiplies overlap, then over
    // the tail bytes: enough to notice a damaged file.
    static std::uint64_t checksum(const std::uint8_t* data, std::size_t size);

private:
    struct Chunk {
        std::uint64_t highAt;   // bit of the unary part where the chunk begins
        std::uint64_t lowAt;    // bit of the low parts where the chunk begins
        std::uint64_t first;    // the rank of its first key
        std::uint32_t count;    // keys
        std::uint32_t sampleAt; // its first entry in samples_
        std::uint32_t lowBits;  // width of each low part
    };

    static std::uint64_t restore(std::uint32_t stored);
    // The key's rank, or -1 when it is not stored.
    std::int64_t find(std::uint64_t key) const;

    std::uint32_t low(const Chunk& chunk, std::uint64_t index) const {
        const std::uint64_t w = bitsAt(low_, chunk.lowAt + index * chunk.lowBits);
        return static_cast<std::uint32_t>(w & ((std::uint64_t{1} << chunk.lowBits) - 1));
    }

    const std::uint8_t* high_ = nullptr;
    const std::uint8_t* low_ = nullptr;
    std::vector<Chunk> chunks_;
    std::vector<std::uint32_t> samples_; // the start of every 128th bucket of each chunk
    std::uint64_t count_ = 0;
    std::uint64_t checksum_ = 0;
};

} // namespace pebblenix
