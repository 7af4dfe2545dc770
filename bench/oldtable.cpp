#include "bench/oldtable.h"

#include <cstring>

namespace pebblenix::bench {

namespace {

constexpr int kBucketBits = 21;
constexpr int kLowBits = 12;
constexpr std::uint32_t kBuckets = 1u << kBucketBits;
constexpr std::uint32_t kBlockBuckets = 8; // a block's keys fit a 16-bit offset
constexpr std::uint32_t kBlocks = kBuckets / kBlockBuckets;
constexpr char kMagic[8] = {'P', 'N', 'X', 'S', 'O', 'L', '1', '\0'};
constexpr std::size_t kHeader = 8 + 8 + 8; // magic, key count, checksum
constexpr std::size_t kBlocksBytes = (kBlocks + 1) * sizeof(std::uint32_t);
constexpr std::size_t kOffsetsBytes = (kBuckets + 1) * sizeof(std::uint16_t);

std::size_t packedBytes(std::uint64_t count) {
    return static_cast<std::size_t>((count + 1) / 2 * 3);
}

std::uint64_t checksum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, data + i, 8);
        h = (h ^ w) * 0x100000001b3ull;
    }
    for (; i < size; ++i)
        h = (h ^ data[i]) * 0x100000001b3ull;
    return h;
}

template <class T> void put(std::vector<std::uint8_t>& out, std::size_t at, T value) {
    std::memcpy(out.data() + at, &value, sizeof value);
}

} // namespace

std::vector<std::uint8_t> OldTable::serialize(const std::vector<std::uint64_t>& keys) {
    const std::uint64_t count = keys.size();
    std::vector<std::uint8_t> out(kHeader + kBlocksBytes + kOffsetsBytes + packedBytes(count));
    std::memcpy(out.data(), kMagic, 8);
    put(out, 8, count);
    const std::size_t offsetsAt = kHeader + kBlocksBytes;
    const std::size_t packedAt = offsetsAt + kOffsetsBytes;
    std::vector<std::uint64_t> starts(std::size_t{kBuckets} + 1);
    std::uint64_t index = 0;
    for (std::uint32_t b = 0; b <= kBuckets; ++b) {
        while (index < count && (keys[index] >> kLowBits) < b)
            ++index;
        starts[b] = index;
    }
    for (std::uint32_t k = 0; k <= kBlocks; ++k)
        put(out, kHeader + std::size_t{k} * 4,
            static_cast<std::uint32_t>(starts[k * kBlockBuckets]));
    for (std::uint32_t b = 0; b <= kBuckets; ++b)
        put(out, offsetsAt + std::size_t{b} * 2,
            static_cast<std::uint16_t>(starts[b] - starts[(b / kBlockBuckets) * kBlockBuckets]));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint32_t v = static_cast<std::uint32_t>(keys[i] & ((1u << kLowBits) - 1));
        std::uint8_t* p = out.data() + packedAt + (i / 2) * 3;
        if (i % 2 == 0) {
            p[0] = static_cast<std::uint8_t>(v);
            p[1] = static_cast<std::uint8_t>((p[1] & 0xF0) | (v >> 8));
        } else {
            p[1] = static_cast<std::uint8_t>((p[1] & 0x0F) | ((v & 0x0F) << 4));
            p[2] = static_cast<std::uint8_t>(v >> 4);
        }
    }
    put(out, 16, checksum(out.data() + kHeader, out.size() - kHeader));
    return out;
}

std::optional<OldTable> OldTable::view(const std::uint8_t* data, std::size_t size,
                                       std::string& error) {
    std::uint64_t count = 0, sum = 0;
    if (size >= kHeader) {
        std::memcpy(&count, data + 8, 8);
        std::memcpy(&sum, data + 16, 8);
    }
    if (size < kHeader || std::memcmp(data, kMagic, 8) != 0 || count > (std::uint64_t{1} << 33) ||
        size != kHeader + kBlocksBytes + kOffsetsBytes + packedBytes(count) ||
        checksum(data + kHeader, size - kHeader) != sum) {
        error = "not a table of the first format";
        return std::nullopt;
    }
    OldTable t;
    t.blocks_ = data + kHeader;
    t.offsets_ = data + kHeader + kBlocksBytes;
    t.packed_ = data + kHeader + kBlocksBytes + kOffsetsBytes;
    t.count_ = count;
    std::uint64_t previous = 0;
    for (std::uint32_t b = 0; b <= kBuckets; ++b) {
        const std::uint64_t start = t.bucketStart(b);
        if (start < previous || start > count) {
            error = "damaged";
            return std::nullopt;
        }
        previous = start;
    }
    return t;
}

std::uint64_t OldTable::bucketStart(std::uint32_t bucket) const {
    std::uint32_t block;
    std::uint16_t offset;
    std::memcpy(&block, blocks_ + std::size_t{bucket / kBlockBuckets} * 4, 4);
    std::memcpy(&offset, offsets_ + std::size_t{bucket} * 2, 2);
    return std::uint64_t{block} + offset;
}

std::uint32_t OldTable::low(std::uint64_t index) const {
    const std::uint8_t* p = packed_ + (index / 2) * 3;
    return index % 2 == 0 ? (p[0] | ((p[1] & 0x0Fu) << 8))
                          : ((p[1] >> 4) | (std::uint32_t{p[2]} << 4));
}

bool OldTable::contains(std::uint64_t key) const {
    if (key >> (kBucketBits + kLowBits))
        return false;
    const auto bucket = static_cast<std::uint32_t>(key >> kLowBits);
    const auto wanted = static_cast<std::uint32_t>(key & ((1u << kLowBits) - 1));
    std::uint64_t lo = bucketStart(bucket), hi = bucketStart(bucket + 1);
    while (lo < hi) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        const std::uint32_t v = low(mid);
        if (v == wanted)
            return true;
        if (v < wanted)
            lo = mid + 1;
        else
            hi = mid;
    }
    return false;
}

} // namespace pebblenix::bench
