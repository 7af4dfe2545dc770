#include "game/solutiontable.h"

#include "game/bitboard.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace pebblenix {

namespace {

// Version 2: the position class and Elias-Fano chunks. Version 1 stored all 33 bits.
constexpr char kMagic[8] = {'P', 'N', 'X', 'S', 'O', 'L', '2', '\0'};
constexpr int kInChunk = SolutionTable::kInChunkBits;
constexpr std::uint32_t kSample = 1u << SolutionTable::kSampleShift;

// The four key bits left out: the first four of the top arm whose class masks form a
// system that can be solved for them, so that they follow from the other 29 (and being
// low, they leave the top bits, where the keys of the least images crowd, to the chunks).
constexpr std::array<int, 4> kDropped = {0, 1, 3, 4};

constexpr std::uint32_t stored(std::uint64_t key) {
    return static_cast<std::uint32_t>(((key >> 2) & 1) | (((key >> 5) & 1) << 1) |
                                      ((key >> 6) << 2));
}
constexpr std::uint64_t spread(std::uint32_t s) {
    return ((std::uint64_t{s} & 1) << 2) | (((std::uint64_t{s} >> 1) & 1) << 5) |
           ((std::uint64_t{s} >> 2) << 6);
}

constexpr std::uint64_t kAllKeyBits = (std::uint64_t{1} << 33) - 1;
constexpr unsigned kStartClass = [] {
    int centreBit = 0;
    for (int cell = 0; cell < kCentre; ++cell)
        centreBit += isHole(cell);
    return positionClass(kAllKeyBits & ~(std::uint64_t{1} << centreBit));
}();

// The position class, five table lookups instead of four parities: what each byte of a
// key adds to it.
constexpr std::array<std::array<std::uint8_t, 256>, 5> kClassOfByte = [] {
    std::array<std::array<std::uint8_t, 256>, 5> table{};
    for (unsigned byte = 0; byte < 5; ++byte)
        for (std::uint64_t value = 0; value < 256; ++value)
            table[byte][value] = static_cast<std::uint8_t>(positionClass(value << (8 * byte)));
    return table;
}();

[[gnu::always_inline]] inline bool inStartClass(std::uint64_t key) {
    return key >> 33 == 0 &&
           (kClassOfByte[0][key & 0xFF] ^ kClassOfByte[1][(key >> 8) & 0xFF] ^
            kClassOfByte[2][(key >> 16) & 0xFF] ^ kClassOfByte[3][(key >> 24) & 0xFF] ^
            kClassOfByte[4][key >> 32]) == kStartClass;
}

// Each left-out bit is rule.constant[i] xor the parity of the kept bits under rule.mask[i]:
// the class masks' 4 x 4 system on the left-out bits, inverted over GF(2).
struct Rule {
    std::array<std::uint64_t, 4> mask{};
    std::array<unsigned, 4> constant{};
};
constexpr Rule kRule = [] {
    // Rows [A | I] for the system A d = class xor (parities of the kept bits).
    std::array<unsigned, 4> rows{};
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i)
            rows[j] |= static_cast<unsigned>((kClassMasks[j] >> kDropped[i]) & 1) << i;
        rows[j] |= 1u << (4 + j);
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        while (pivot < 4 && !(rows[pivot] >> col & 1))
            ++pivot;
        if (pivot == 4)
            throw "the left-out bits do not follow from the others";
        std::swap(rows[col], rows[pivot]);
        for (int j = 0; j < 4; ++j)
            if (j != col && (rows[j] >> col & 1))
                rows[j] ^= rows[col];
    }
    std::uint64_t kept = kAllKeyBits;
    for (int d : kDropped)
        kept &= ~(std::uint64_t{1} << d);
    Rule rule;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (rows[i] >> (4 + j) & 1) {
                rule.mask[i] ^= kClassMasks[j] & kept;
                rule.constant[i] ^= kStartClass >> j & 1;
            }
    return rule;
}();

std::uint64_t bucketsOf(std::uint32_t lowBits) {
    return std::uint64_t{1} << (kInChunk - static_cast<int>(lowBits));
}
std::uint64_t wordBytes(std::uint64_t bits) {
    return (bits + 63) / 64 * 8;
}

// Where the k-th (from 0) set bit of each byte value is: kSelectInByte[8 * byte + k].
constexpr std::array<std::uint8_t, 2048> kSelectInByte = [] {
    std::array<std::uint8_t, 2048> table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (unsigned bit = 0, k = 0; bit < 8; ++bit)
            if (byte >> bit & 1)
                table[8 * byte + k++] = static_cast<std::uint8_t>(bit);
    return table;
}();

// The count of set bits of w in its lowest byte, its two lowest, ... and all eight (in the
// top byte), computed side by side. (std::popcount, without a popcount instruction in the
// x86-64 baseline, is a call into the runtime that looks up each byte.)
[[gnu::always_inline]] inline std::uint64_t runningCounts(std::uint64_t w) {
    std::uint64_t sums = w - ((w >> 1) & 0x5555555555555555ull);
    sums = (sums & 0x3333333333333333ull) + ((sums >> 2) & 0x3333333333333333ull);
    return ((sums + (sums >> 4)) & 0x0F0F0F0F0F0F0F0Full) * 0x0101010101010101ull;
}

// The position of the k-th (from 0) set bit of w, from its running counts: the byte that
// holds it is the first whose running count exceeds k, all eight compared at once.
[[gnu::always_inline]] inline int selectBit(std::uint64_t w, std::uint64_t sums, std::uint64_t k) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    // Bytes whose running count is at most k: their high bits, counted by a multiply.
    const std::uint64_t atMost = ((k * kOnes | (0x80 * kOnes)) - sums) & (0x80 * kOnes);
    const int byte = static_cast<int>(((atMost >> 7) * kOnes) >> 56) * 8;
    const auto before = static_cast<std::uint32_t>(((sums << 8) >> byte) & 0xFF);
    return byte + kSelectInByte[8 * ((w >> byte) & 0xFF) + k - before];
}

// Bit `at` of the unary part `high` and the position just past the n-th zero from there.
[[gnu::always_inline]] inline std::uint64_t skipZeros(const std::uint8_t* high, std::uint64_t at,
                                                      std::uint32_t zeros) {
    constexpr std::uint64_t kWindow = (std::uint64_t{1} << 56) - 1;
    while (zeros > 0) {
        const std::uint64_t w = ~bitsAt(high, at) & kWindow;
        const std::uint64_t sums = runningCounts(w);
        const std::uint32_t here = static_cast<std::uint32_t>(sums >> 56);
        if (here < zeros) {
            zeros -= here;
            at += 56;
            continue;
        }
        return at + static_cast<std::uint64_t>(selectBit(w, sums, zeros - 1)) + 1;
    }
    return at;
}

// The ones of high[begin, end), a chunk's unary part of `buckets` buckets; writes where
// every 128th bucket begins (just past the 128 j-th zero) to samples[0, buckets / 128].
std::uint64_t scanChunk(const std::uint8_t* high, std::uint64_t begin, std::uint64_t end,
                        std::uint64_t buckets, std::uint32_t* samples) {
    std::uint64_t zeros = 0, next = kSample;
    *samples++ = static_cast<std::uint32_t>(begin);
    for (std::uint64_t at = begin; at < end; at += 56) {
        const std::uint64_t bits = std::min<std::uint64_t>(56, end - at);
        const std::uint64_t w = ~bitsAt(high, at) & ((std::uint64_t{1} << bits) - 1);
        const std::uint64_t sums = runningCounts(w);
        const std::uint64_t here = sums >> 56;
        if (next <= zeros + here && next < buckets) { // one at most: 56 bits, not 128 zeros
            *samples++ = static_cast<std::uint32_t>(
                at + static_cast<std::uint64_t>(selectBit(w, sums, next - zeros - 1)) + 1);
            next += kSample;
        }
        zeros += here;
    }
    return end - begin - zeros;
}

template <class T> T get(const std::uint8_t* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Appends bit fields of up to 57 bits to a growing little-endian bit string.
class BitWriter {
public:
    void put(std::uint64_t value, unsigned bits) {
        if (bits == 0)
            return;
        value &= (std::uint64_t{1} << bits) - 1;
        const unsigned at = size_ % 64;
        if (at == 0)
            words_.push_back(0);
        words_.back() |= value << at;
        if (at + bits > 64)
            words_.push_back(value >> (64 - at));
        size_ += bits;
    }
    std::uint64_t size() const { return size_; }
    void copyTo(std::uint8_t* out) const {
        if (!words_.empty()) // an empty vector's data() may be null, which memcpy must not get
            std::memcpy(out, words_.data(), words_.size() * 8);
    }

private:
    std::vector<std::uint64_t> words_;
    std::uint64_t size_ = 0;
};

} // namespace

bool SolutionTable::storable(std::uint64_t key) {
    return inStartClass(key);
}

std::uint64_t SolutionTable::restore(std::uint32_t s) {
    const std::uint64_t kept = spread(s);
    std::uint64_t key = kept;
    for (int i = 0; i < 4; ++i)
        key |= ((runningCounts(kept & kRule.mask[i]) >> 56 & 1) ^ kRule.constant[i]) << kDropped[i];
    return key;
}

std::uint64_t SolutionTable::checksum(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint64_t kPrime = 0x100000001b3ull;
    std::uint64_t lanes[4] = {0xcbf29ce484222325ull, 0x84222325cbf29ce4ull, 0xcbf29ce4ull,
                              0x84222325ull};
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32)
        for (std::size_t lane = 0; lane < 4; ++lane)
            lanes[lane] = (lanes[lane] ^ get<std::uint64_t>(data + i + 8 * lane)) * kPrime;
    std::uint64_t h = lanes[0];
    for (std::size_t lane = 1; lane < 4; ++lane)
        h = (h ^ lanes[lane]) * kPrime;
    for (; i < size; ++i)
        h = (h ^ data[i]) * kPrime;
    return h;
}

std::vector<std::uint8_t> SolutionTable::serialize(const std::vector<std::uint64_t>& keys) {
    std::vector<std::uint32_t> all(keys.size());
    std::transform(keys.begin(), keys.end(), all.begin(), stored);
    // Sorted keys give stored keys in order but for two that differ only below bit 5,
    // which one swap puts right.
    for (std::size_t i = 1; i < all.size(); ++i)
        if (all[i - 1] > all[i])
            std::swap(all[i - 1], all[i]);

    BitWriter high, low;
    std::vector<std::uint8_t> widths(kChunks);
    std::vector<std::uint32_t> counts(kChunks);
    auto next = all.begin();
    for (std::uint32_t c = 0; c < kChunks; ++c) {
        const auto first = next;
        while (next != all.end() && *next >> kInChunk == c)
            ++next;
        const std::uint64_t count = static_cast<std::uint64_t>(next - first);
        // The width that makes the chunk smallest, counting the sample kept per 128 buckets.
        std::uint32_t lowBits = kInChunk;
        for (std::uint32_t l = 0; count > 0 && l <= kInChunk; ++l)
            if (count * l + bucketsOf(l) * 5 / 4 < count * lowBits + bucketsOf(lowBits) * 5 / 4)
                lowBits = l;
        widths[c] = static_cast<std::uint8_t>(lowBits);
        counts[c] = static_cast<std::uint32_t>(count);
        std::uint64_t bucket = 0;
        for (auto k = first; k != next; ++k) {
            const std::uint32_t inChunk = *k & ((1u << kInChunk) - 1);
            for (; bucket < inChunk >> lowBits; ++bucket)
                high.put(0, 1);
            high.put(1, 1);
            low.put(inChunk, lowBits);
        }
        for (; bucket < bucketsOf(lowBits); ++bucket)
            high.put(0, 1);
    }

    std::vector<std::uint8_t> out(kPrefixBytes + wordBytes(high.size()) + wordBytes(low.size()) +
                                  8);
    const std::uint64_t count = keys.size();
    std::memcpy(out.data(), kMagic, 8);
    std::memcpy(out.data() + 8, &count, 8);
    std::memcpy(out.data() + kHeaderBytes, counts.data(), kChunks * 4);
    std::memcpy(out.data() + kHeaderBytes + kChunks * 4, widths.data(), kChunks);
    high.copyTo(out.data() + kPrefixBytes);
    low.copyTo(out.data() + kPrefixBytes + wordBytes(high.size()));
    const std::uint64_t sum = checksum(out.data() + kHeaderBytes, out.size() - kHeaderBytes);
    std::memcpy(out.data() + 16, &sum, 8);
    return out;
}

std::optional<std::size_t> SolutionTable::imageSize(const std::uint8_t* data, std::size_t size,
                                                    std::string& error) {
    if (size < 8 || std::memcmp(data, kMagic, 6) != 0) {
        //: Why the table of solutions behind the hints cannot be used.
        error = QT_TRANSLATE_NOOP("Files", "it is not a table of solutions");
        return std::nullopt;
    }
    if (std::memcmp(data, kMagic, 8) != 0) {
        //: Why the table of solutions behind the hints cannot be used.
        error = QT_TRANSLATE_NOOP("Files", "it was made by another version of Pebblenix");
        return std::nullopt;
    }
    if (size < kPrefixBytes) {
        //: Why the table of solutions behind the hints cannot be used.
        error = QT_TRANSLATE_NOOP("Files", "it has the wrong size");
        return std::nullopt;
    }
    std::uint64_t keys = 0, highBits = 0, lowBits = 0;
    for (std::uint32_t c = 0; c < kChunks; ++c) {
        const auto count = get<std::uint32_t>(data + kHeaderBytes + c * 4);
        const std::uint32_t width = data[kHeaderBytes + kChunks * 4 + c];
        if (width > kInChunk || count > (1u << kInChunk)) {
            //: Why the table of solutions behind the hints cannot be used.
            error = QT_TRANSLATE_NOOP("Files", "it is damaged");
            return std::nullopt;
        }
        keys += count;
        highBits += count + bucketsOf(width);
        lowBits += std::uint64_t{count} * width;
    }
    if (keys != get<std::uint64_t>(data + 8)) {
        error = QT_TRANSLATE_NOOP("Files", "it is damaged");
        return std::nullopt;
    }
    const std::uint64_t total = kPrefixBytes + wordBytes(highBits) + wordBytes(lowBits) + 8;
    if (total > kMaxBytes) {
        error = QT_TRANSLATE_NOOP("Files", "it has the wrong size");
        return std::nullopt;
    }
    return static_cast<std::size_t>(total);
}

std::optional<SolutionTable> SolutionTable::view(const std::uint8_t* data, std::size_t size,
                                                 std::string& error) {
    const auto expected = imageSize(data, size, error);
    if (!expected)
        return std::nullopt;
    if (size != *expected) {
        error = QT_TRANSLATE_NOOP("Files", "it has the wrong size");
        return std::nullopt;
    }
    if (checksum(data + kHeaderBytes, size - kHeaderBytes) != get<std::uint64_t>(data + 16)) {
        error = QT_TRANSLATE_NOOP("Files", "it is damaged");
        return std::nullopt;
    }
    SolutionTable t;
    t.count_ = get<std::uint64_t>(data + 8);
    t.checksum_ = get<std::uint64_t>(data + 16);
    t.high_ = data + kPrefixBytes;
    t.chunks_.resize(kChunks);
    std::uint64_t highAt = 0, lowAt = 0, first = 0;
    std::uint32_t sampleAt = 0;
    for (std::uint32_t c = 0; c < kChunks; ++c) {
        const std::uint32_t count = get<std::uint32_t>(data + kHeaderBytes + c * 4);
        const std::uint32_t lowBits = data[kHeaderBytes + kChunks * 4 + c];
        t.chunks_[c] = {highAt, lowAt, first, count, sampleAt, lowBits};
        first += count;
        highAt += count + bucketsOf(lowBits);
        lowAt += std::uint64_t{count} * lowBits;
        sampleAt += static_cast<std::uint32_t>((bucketsOf(lowBits) + kSample - 1) / kSample);
    }
    t.low_ = t.high_ + wordBytes(highAt);
    t.samples_.resize(sampleAt);
    // Every lookup trusts the unary part, so all of it is checked once: each chunk holds
    // its count of keys and ends its last bucket within itself.
    for (const Chunk& chunk : t.chunks_) {
        const std::uint64_t end = chunk.highAt + chunk.count + bucketsOf(chunk.lowBits);
        const std::uint64_t ones = scanChunk(t.high_, chunk.highAt, end, bucketsOf(chunk.lowBits),
                                             t.samples_.data() + chunk.sampleAt);
        if (ones != chunk.count || (bitsAt(t.high_, end - 1) & 1)) {
            error = QT_TRANSLATE_NOOP("Files", "it is damaged");
            return std::nullopt;
        }
    }
    return t;
}

std::int64_t SolutionTable::find(std::uint64_t key) const {
    if (!inStartClass(key))
        return -1;
    const std::uint32_t s = stored(key);
    const Chunk& chunk = chunks_[s >> kInChunk];
    const std::uint32_t inChunk = s & ((1u << kInChunk) - 1);
    const std::uint32_t bucket = inChunk >> chunk.lowBits;
    const std::uint32_t wanted = inChunk & ((1u << chunk.lowBits) - 1);
    std::uint64_t at = skipZeros(high_, samples_[chunk.sampleAt + (bucket >> kSampleShift)],
                                 bucket & (kSample - 1));
    // The bucket's keys are the ones up to its zero, their low parts in ascending order.
    for (std::uint64_t index = at - chunk.highAt - bucket; bitsAt(high_, at) & 1; ++at, ++index) {
        const std::uint32_t v = low(chunk, index);
        if (v >= wanted)
            return v == wanted ? static_cast<std::int64_t>(chunk.first + index) : -1;
    }
    return -1;
}

} // namespace pebblenix
