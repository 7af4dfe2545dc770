// Builds the table of solutions at build time: every position reachable from the start,
// one per symmetry class. Before it writes anything it checks the table it made against
// the plain sorted list of keys, so that a build never installs a table that answers
// differently: every key, every key listed back, and 10,000,000 random keys below 2^33.
// With --check it stops there and writes nothing.

#include "files/atomicfile.h"
#include "game/bitboard.h"
#include "game/reachable.h"
#include "game/solutiontable.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

using namespace pebblenix;

namespace {

// Nothing when keys[first, last) are all in the start's class, their images too (every
// 101st key's), and all found in the table; else what is wrong.
std::optional<std::string> missing(const SolutionTable& table,
                                   const std::vector<std::uint64_t>& keys, std::size_t first,
                                   std::size_t last) {
    const unsigned start = positionClass(compress(kAllHoles & ~bitOf(kCentre)));
    for (std::size_t i = first; i < last; ++i) {
        if (positionClass(keys[i]) != start)
            return "a reachable key outside the start's class: " + std::to_string(keys[i]);
        if (i % 101 == 0)
            for (Bits image : symmetries(expand(keys[i])))
                if (positionClass(compress(image)) != start)
                    return "an image outside the start's class: " + std::to_string(keys[i]);
        if (!table.contains(keys[i]))
            return "a key not found: " + std::to_string(keys[i]);
    }
    return std::nullopt;
}

// Nothing when the table answers exactly as the sorted list `keys` does; else what differs.
std::optional<std::string> differences(const SolutionTable& table,
                                       const std::vector<std::uint64_t>& keys) {
    std::optional<std::string> secondHalf;
    std::thread helper([&] { secondHalf = missing(table, keys, keys.size() / 2, keys.size()); });
    const auto firstHalf = missing(table, keys, 0, keys.size() / 2);
    helper.join();
    if (firstHalf || secondHalf)
        return firstHalf ? firstHalf : secondHalf;
    // The keys come back in the stored order, which swaps at most neighbours of the
    // sorted order; each must be one of its neighbours there, and none may come twice.
    std::vector<bool> seen(keys.size());
    std::size_t listed = 0;
    bool same = true;
    table.forEach([&](std::uint64_t key) {
        std::size_t at = listed == 0 ? 0 : listed - 1;
        while (at < keys.size() && at <= listed + 1 && keys[at] != key)
            ++at;
        same = same && at < keys.size() && at <= listed + 1 && !seen[at];
        if (same)
            seen[at] = true;
        ++listed;
    });
    if (!same || listed != keys.size() || table.size() != keys.size())
        return std::string("the keys listed are not the keys stored");
    std::mt19937_64 rng(33);
    std::vector<std::uint64_t> random(10'000'000);
    for (auto& k : random)
        k = rng() & ((std::uint64_t{1} << 33) - 1);
    sortUnique(random);
    auto next = keys.begin();
    for (const std::uint64_t k : random) {
        next = std::lower_bound(next, keys.end(), k);
        if (table.contains(k) != (next != keys.end() && *next == k))
            return "a random key answered wrongly: " + std::to_string(k);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    const bool checkOnly = argc == 2 && std::string(argv[1]) == "--check";
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT | --check\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::uint64_t> all;
    {
        const auto levels = reachableLevels(2);
        std::size_t count = 0;
        for (const auto& level : levels)
            count += level.size();
        all.reserve(count);
        for (const auto& level : levels)
            all.insert(all.end(), level.begin(), level.end());
    }
    sortUnique(all);
    const auto image = SolutionTable::serialize(all);
    const auto made = std::chrono::steady_clock::now();
    std::string error;
    const auto table = SolutionTable::view(image.data(), image.size(), error);
    const auto wrong = table ? differences(*table, all) : error;
    if (wrong) {
        std::fprintf(stderr, "the table of solutions made is wrong: %s\n", wrong->c_str());
        return 1;
    }
    if (!checkOnly) {
        const QByteArray bytes = QByteArray::fromRawData(
            reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
        if (const auto failed = writeFileAtomically(QString::fromLocal8Bit(argv[1]), bytes)) {
            std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(*failed));
            return 1;
        }
    }
    const auto seconds = [](auto from, auto to) {
        return std::chrono::duration<double>(to - from).count();
    };
    std::printf("table of solutions: %zu classes, %zu bytes, made in %.1f s, checked in %.1f s\n",
                all.size(), image.size(), seconds(started, made),
                seconds(made, std::chrono::steady_clock::now()));
    return 0;
}
