#pragma once
// Reading one registry value as text, as the About box's system-information button does.

#include "about/registry.h"

#include <cstdint>
#include <string>

namespace pebblenix {

inline constexpr std::uint32_t kRegBufferSize = 1024;

// The text for a value's data: REG_SZ as it stands, REG_DWORD as "&h" and its bytes in
// hexadecimal from last to first. A trailing zero byte is dropped first. Returns false
// for any other type, leaving `text` alone.
bool formatRegistryValue(std::uint32_t type, const unsigned char* data, std::uint32_t size,
                         std::string& text);

// Opens KeyName under KeyRoot in `reg`, reads the value SubKeyRef into KeyVal and closes
// the key. True when the value was read, whatever its type; false with an empty KeyVal
// otherwise.
bool GetKeyValue(Registry& reg, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

} // namespace pebblenix
