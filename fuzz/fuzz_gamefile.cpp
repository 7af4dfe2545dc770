// Any bytes as a game file: never a crash, and whatever is accepted writes back to a file
// that reads the same.

#include "files/gamefile.h"

#include <cstdint>
#include <cstdlib>

using namespace pebblenix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParseResult first = parseGameFile(bytes);
    if (!first.position) {
        if (first.problem.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const ParseResult again = parseGameFile(formatGameFile(*first.position));
    if (!again.position || again.position->marbles != first.position->marbles ||
        again.position->clock != first.position->clock ||
        again.position->countText != first.position->countText ||
        again.position->count != first.position->count)
        std::abort();
    return 0;
}
