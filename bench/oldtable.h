#pragma once
// The first format of the table of solutions, kept here only so that the benchmark can
// set it beside the current one: all 33 bits of each key, in 2^21 buckets by the top bits,
// the low 12 bits packed two to three bytes. Read by mapping the file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pebblenix::bench {

class OldTable {
public:
    static std::vector<std::uint8_t> serialize(const std::vector<std::uint64_t>& sortedKeys);
    static std::optional<OldTable> view(const std::uint8_t* data, std::size_t size,
                                        std::string& error);
    bool contains(std::uint64_t key) const;

private:
    std::uint64_t bucketStart(std::uint32_t bucket) const;
    std::uint32_t low(std::uint64_t index) const;

    const std::uint8_t* blocks_ = nullptr;
    const std::uint8_t* offsets_ = nullptr;
    const std::uint8_t* packed_ = nullptr;
    std::uint64_t count_ = 0;
};

} // namespace pebblenix::bench
