// Any text as the clock: reading never crashes, and a tick always leaves a text of three
// characters or "TimeOut!!", from which the clock can go on.

#include "game/clock.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)pebblenix::readNumber(text);
    const std::string next = pebblenix::clockTick(text);
    if (next != pebblenix::kTimeOut && next.size() != 3)
        std::abort();
    if (pebblenix::clockTick(next).empty())
        std::abort();
    return 0;
}
