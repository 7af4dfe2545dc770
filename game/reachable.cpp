#include "game/reachable.h"

#include "game/bitboard.h"

#include <algorithm>
#include <thread>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pebblenix {

namespace {

// A large scratch array whose pages are mapped up front: touching fresh pages one by one
// is what costs most here, in some sandboxes twenty times the work itself.
class Scratch {
public:
    explicit Scratch(std::size_t count) : size_(count) {
#if defined(__linux__) && defined(MAP_POPULATE)
        if (count == 0)
            return;
        void* p = mmap(nullptr, count * sizeof(std::uint64_t), PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p != MAP_FAILED) {
            data_ = static_cast<std::uint64_t*>(p);
            mapped_ = true;
            return;
        }
#endif
        fallback_.resize(count);
        data_ = fallback_.data();
    }
    ~Scratch() {
#ifdef __linux__
        if (mapped_)
            munmap(data_, size_ * sizeof(std::uint64_t));
#endif
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::uint64_t* data() {
        return data_;
    }
    std::size_t size() const {
        return size_;
    }

private:
    std::size_t size_;
    std::uint64_t* data_ = nullptr;
    bool mapped_ = false;
    std::vector<std::uint64_t> fallback_;
};

// Runs f(slice, first, last) on `threads` equal slices of [0, n), the first on this thread.
template <class F> void shared(std::size_t n, unsigned threads, F f) {
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(f, t, n * t / threads, n * (t + 1) / threads);
    f(0u, std::size_t{0}, n / threads);
    for (auto& w : workers)
        w.join();
}

// Sorts keys[0, n) below 2^33 and returns them without repeats: one scatter by the top
// 12 bits, then each bucket, small enough to stay in the cache, is sorted on its own.
std::vector<std::uint64_t> sortedUnique(const std::uint64_t* keys, std::size_t n,
                                        unsigned threads) {
    constexpr int kShift = 21;
    constexpr std::size_t kBuckets = std::size_t{1} << 12;
    // Each thread counts its slice per bucket; then each writes its keys into its own
    // stretch of every bucket, so that the scatter runs in parallel too.
    std::vector<std::vector<std::size_t>> counts(threads, std::vector<std::size_t>(kBuckets, 0));
    shared(n, threads, [&](unsigned slice, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i)
            ++counts[slice][keys[i] >> kShift];
    });
    std::vector<std::size_t> start(kBuckets + 1, 0);
    std::vector<std::vector<std::size_t>> next(threads, std::vector<std::size_t>(kBuckets, 0));
    std::size_t position = 0;
    for (std::size_t b = 0; b < kBuckets; ++b) {
        start[b] = position;
        for (unsigned t = 0; t < threads; ++t) {
            next[t][b] = position;
            position += counts[t][b];
        }
    }
    start[kBuckets] = position;
    Scratch scattered(n);
    std::uint64_t* s = scattered.data();
    shared(n, threads, [&](unsigned slice, std::size_t first, std::size_t last) {
        std::vector<std::size_t>& at = next[slice];
        for (std::size_t i = first; i < last; ++i)
            s[at[keys[i] >> kShift]++] = keys[i];
    });
    std::vector<std::size_t> kept(kBuckets, 0);
    shared(kBuckets, threads, [&](unsigned, std::size_t first, std::size_t last) {
        for (std::size_t b = first; b < last; ++b) {
            std::sort(s + start[b], s + start[b + 1]);
            kept[b] = static_cast<std::size_t>(std::unique(s + start[b], s + start[b + 1]) -
                                               (s + start[b]));
        }
    });
    std::size_t total = 0;
    for (std::size_t k : kept)
        total += k;
    std::vector<std::uint64_t> out;
    out.reserve(total);
    for (std::size_t b = 0; b < kBuckets; ++b)
        out.insert(out.end(), s + start[b], s + start[b] + kept[b]);
    return out;
}

} // namespace

void sortUnique(std::vector<std::uint64_t>& keys, unsigned threads) {
    keys = sortedUnique(keys.data(), keys.size(), std::max(1u, threads));
}

std::vector<std::vector<std::uint64_t>> reachableLevels(unsigned threads) {
    threads = std::max(1u, threads);
    const auto& jumps = allJumps();
    const Bits start = kAllHoles & ~bitOf(kCentre);
    std::vector<std::vector<std::uint64_t>> levels{{compress(canonical(start))}};
    while (!levels.back().empty()) {
        const std::vector<std::uint64_t>& current = levels.back();
        // Count each slice's successors first, so that all of them go straight into one
        // array, each slice into its own part.
        std::vector<std::size_t> offset(threads + 1, 0);
        shared(current.size(), threads, [&](unsigned slice, std::size_t first, std::size_t last) {
            std::size_t count = 0;
            for (std::size_t i = first; i < last; ++i) {
                const Bits board = expand(current[i]);
                for (const Jump& j : jumps)
                    count += jumpPossible(board, j);
            }
            offset[slice + 1] = count;
        });
        for (unsigned t = 1; t <= threads; ++t)
            offset[t] += offset[t - 1];
        Scratch successors(offset[threads]);
        shared(current.size(), threads, [&](unsigned slice, std::size_t first, std::size_t last) {
            std::uint64_t* out = successors.data() + offset[slice];
            for (std::size_t i = first; i < last; ++i) {
                const Bits board = expand(current[i]);
                for (const Jump& j : jumps)
                    if (jumpPossible(board, j))
                        *out++ = compress(canonical(afterJump(board, j)));
            }
        });
        levels.push_back(sortedUnique(successors.data(), successors.size(), threads));
    }
    levels.pop_back();
    return levels;
}

} // namespace pebblenix
