// Builds the table of solutions at build time: every position reachable from the start,
// one per symmetry class. Writes to a temporary name first, so that an interrupted build
// never leaves a half-written table behind.

#include "game/reachable.h"
#include "game/solutiontable.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    const auto levels = pebblenix::reachableLevels(2);
    std::vector<std::uint64_t> all;
    for (std::size_t j = 0; j < levels.size(); ++j)
        all.insert(all.end(), levels[j].begin(), levels[j].end());
    pebblenix::sortUnique(all);
    const auto image = pebblenix::SolutionTable::serialize(all);

    const std::filesystem::path out = argv[1];
    const std::filesystem::path partial = out.string() + ".partial";
    {
        std::ofstream f(partial, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(image.data()),
                static_cast<std::streamsize>(image.size()));
        if (!f.flush()) {
            std::fprintf(stderr, "cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    std::filesystem::rename(partial, out);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("table of solutions: %zu classes in %zu levels, %zu bytes, %.1f s\n", all.size(),
                levels.size(), image.size(), seconds);
    return 0;
}
