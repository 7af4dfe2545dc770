#include "game/movelayers.h"

#include "game/bitboard.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>

namespace pebblenix {

namespace {

// A layer's entry: the key above, its rank in the table below.
constexpr int kRankBits = 25;
constexpr std::uint64_t kRankMask = (std::uint64_t{1} << kRankBits) - 1;
// A state: the fewest moves in the top bits, the holes the last jump may have left below.
constexpr int kMovesShift = 58;
constexpr std::uint64_t kHolesMask = (std::uint64_t{1} << 55) - 1;
constexpr std::uint64_t kUnreached = ~std::uint64_t{0};
// The layer directory's buckets: the top 20 bits of a 33-bit key.
constexpr int kBucketShift = 13;

template <class F> void inSlices(std::size_t n, unsigned threads, F f) {
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(f, n * t / threads, n * (t + 1) / threads);
    f(std::size_t{0}, n / threads);
    for (auto& w : workers)
        w.join();
}

// Lowers a state to `moves` (the holes `left` joining those of equal moves).
void lower(std::atomic<std::uint64_t>& state, std::uint64_t moves, Bits left) {
    std::uint64_t old = state.load(std::memory_order_relaxed);
    for (;;) {
        const std::uint64_t oldMoves = old >> kMovesShift;
        if (moves > oldMoves)
            return;
        const std::uint64_t wanted = moves < oldMoves ? moves << kMovesShift | left : old | left;
        if (wanted == old || state.compare_exchange_weak(old, wanted, std::memory_order_relaxed))
            return;
    }
}

struct Layer {
    std::vector<std::uint64_t> entries; // sorted
    std::vector<std::uint32_t> directory;

    void index() {
        directory.assign((std::size_t{1} << (33 - kBucketShift)) + 1, 0);
        for (std::uint64_t e : entries)
            ++directory[(e >> kRankBits >> kBucketShift) + 1];
        for (std::size_t b = 1; b < directory.size(); ++b)
            directory[b] += directory[b - 1];
    }
    // The entry of `key`, or -1.
    std::int64_t find(std::uint64_t key) const {
        const auto first = entries.begin() + directory[key >> kBucketShift];
        const auto last = entries.begin() + directory[(key >> kBucketShift) + 1];
        const auto at = std::lower_bound(first, last, key << kRankBits);
        return at != last && *at >> kRankBits == key ? at - entries.begin() : -1;
    }
};

} // namespace

std::optional<std::vector<std::uint8_t>> movesSaved(const SolutionTable& hints, unsigned threads,
                                                    std::string& error) {
    threads = std::max(1u, threads);
    if (hints.size() > kRankMask) {
        error = "too many keys";
        return std::nullopt;
    }
    std::vector<Layer> layers(kStartMarbles);
    std::uint64_t rank = 0;
    bool outside = false;
    hints.forEach([&](std::uint64_t key) {
        const int marbles = std::popcount(key);
        if (marbles < 1 || marbles > kStartMarbles)
            outside = true;
        else
            layers[static_cast<std::size_t>(kStartMarbles - marbles)].entries.push_back(
                key << kRankBits | rank);
        ++rank;
    });
    const std::uint64_t start = compress(canonical(kAllHoles & ~bitOf(kCentre)));
    if (outside || layers[0].entries.size() != 1 || layers[0].entries[0] >> kRankBits != start) {
        error = "the table holds positions that cannot be reached from the start";
        return std::nullopt;
    }
    inSlices(layers.size(), threads, [&](std::size_t first, std::size_t last) {
        for (std::size_t l = first; l < last; ++l)
            std::sort(layers[l].entries.begin(), layers[l].entries.end());
    });

    // What a jump from `from` left, in each image of the board.
    std::array<std::array<Bits, 8>, kCells> leftImages{};
    for (int cell = 0; cell < kCells; ++cell)
        leftImages[static_cast<std::size_t>(cell)] = symmetries(bitOf(cell));

    std::vector<std::uint8_t> saved(hints.size(), 0);
    std::vector<std::uint64_t> states{0}; // the start: no move, no jump before
    std::atomic<bool> lost{false};
    for (std::size_t l = 0; l + 1 < layers.size(); ++l) {
        const Layer& layer = layers[l];
        Layer& next = layers[l + 1];
        next.index();
        std::vector<std::atomic<std::uint64_t>> nextStates(next.entries.size());
        for (auto& s : nextStates)
            s.store(kUnreached, std::memory_order_relaxed);
        inSlices(layer.entries.size(), threads, [&](std::size_t first, std::size_t last) {
            for (std::size_t i = first; i < last; ++i) {
                const Bits board = expand(layer.entries[i] >> kRankBits);
                const std::uint64_t moves = states[i] >> kMovesShift;
                const Bits left = states[i] & kHolesMask;
                for (const Jump& j : allJumps()) {
                    if (!jumpPossible(board, j))
                        continue;
                    const auto images = symmetries(afterJump(board, j));
                    const Bits least = *std::min_element(images.begin(), images.end());
                    // The hole left, in every image that names the board: a board with
                    // symmetries of its own has them all.
                    Bits leftNow = 0;
                    for (std::size_t k = 0; k < images.size(); ++k)
                        if (images[k] == least)
                            leftNow |= leftImages[static_cast<std::size_t>(j.from)][k];
                    const std::int64_t at = next.find(compress(least));
                    if (at < 0) {
                        lost = true;
                        return;
                    }
                    lower(nextStates[static_cast<std::size_t>(at)],
                          moves + ((left & bitOf(j.to)) ? 0 : 1), leftNow);
                }
            }
        });
        if (lost) {
            error = "a position reached from the start is missing from the table";
            return std::nullopt;
        }
        states.assign(next.entries.size(), 0);
        for (std::size_t i = 0; i < states.size(); ++i) {
            states[i] = nextStates[i].load(std::memory_order_relaxed);
            const std::uint64_t moves = states[i] >> kMovesShift;
            if (states[i] == kUnreached || moves > l + 1) {
                error = "the table holds positions that cannot be reached from the start";
                return std::nullopt;
            }
            saved[next.entries[i] & kRankMask] = static_cast<std::uint8_t>(l + 1 - moves);
        }
        std::vector<std::uint64_t>().swap(layers[l].entries);
        std::vector<std::uint32_t>().swap(layers[l].directory);
    }
    return saved;
}

} // namespace pebblenix
