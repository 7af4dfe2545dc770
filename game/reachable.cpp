#include "game/reachable.h"

#include "game/bitboard.h"

#include <algorithm>
#include <thread>

namespace pebblenix {

void sortUnique(std::vector<std::uint64_t>& keys) {
    // Three passes of an 11-bit radix sort cover the 33 bits.
    constexpr int kRadixBits = 11;
    constexpr std::size_t kRadix = std::size_t{1} << kRadixBits;
    std::vector<std::uint64_t> buffer(keys.size());
    for (int pass = 0; pass < 3; ++pass) {
        const int shift = pass * kRadixBits;
        std::vector<std::size_t> counts(kRadix + 1, 0);
        for (std::uint64_t k : keys)
            ++counts[((k >> shift) & (kRadix - 1)) + 1];
        for (std::size_t i = 1; i <= kRadix; ++i)
            counts[i] += counts[i - 1];
        for (std::uint64_t k : keys)
            buffer[counts[(k >> shift) & (kRadix - 1)]++] = k;
        keys.swap(buffer);
    }
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
}

namespace {

void successors(const std::uint64_t* first, const std::uint64_t* last,
                std::vector<std::uint64_t>& out) {
    const auto& jumps = jumpMasks();
    for (const std::uint64_t* p = first; p != last; ++p) {
        const Bits board = expand(*p);
        for (const JumpMask& j : jumps)
            if (jumpPossible(board, j))
                out.push_back(compress(canonical(afterJump(board, j))));
    }
}

} // namespace

std::vector<std::vector<std::uint64_t>> reachableLevels(unsigned threads) {
    threads = std::max(1u, threads);
    const Bits start = kAllHoles & ~bitOf(kCentre);
    std::vector<std::vector<std::uint64_t>> levels{{compress(canonical(start))}};
    while (!levels.back().empty()) {
        const auto& current = levels.back();
        std::vector<std::vector<std::uint64_t>> parts(threads);
        std::vector<std::thread> workers;
        const std::size_t share = (current.size() + threads - 1) / threads;
        for (unsigned t = 0; t < threads; ++t) {
            const std::size_t from = std::min(current.size(), t * share);
            const std::size_t to = std::min(current.size(), from + share);
            parts[t].reserve((to - from) * 12);
            workers.emplace_back([&, t, from, to] {
                successors(current.data() + from, current.data() + to, parts[t]);
            });
        }
        for (auto& w : workers)
            w.join();
        std::vector<std::uint64_t> next;
        std::size_t total = 0;
        for (const auto& part : parts)
            total += part.size();
        next.reserve(total);
        for (auto& part : parts) {
            next.insert(next.end(), part.begin(), part.end());
            std::vector<std::uint64_t>().swap(part);
        }
        sortUnique(next);
        levels.push_back(std::move(next));
    }
    levels.pop_back();
    return levels;
}

} // namespace pebblenix
