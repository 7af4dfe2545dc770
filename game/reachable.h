#pragma once
// Every position that can be reached from the start, found breadth first, one position
// per symmetry class. A position can still finish with one marble in the centre exactly
// when its complement is among these: a jump played backwards is a jump on the
// complemented board, and the complement of the lone centre marble is the start.

#include <cstdint>
#include <vector>

namespace pebblenix {

// Level j holds the classes reached after j jumps, as sorted 33-bit keys of their
// canonical boards. `threads` share the work of each level.
std::vector<std::vector<std::uint64_t>> reachableLevels(unsigned threads = 2);

// Sorts keys below 2^33 and drops repeats.
void sortUnique(std::vector<std::uint64_t>& keys, unsigned threads = 2);

} // namespace pebblenix
