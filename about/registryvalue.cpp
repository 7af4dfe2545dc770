#include "about/registryvalue.h"

#include <array>

namespace pebblenix {

bool formatRegistryValue(std::uint32_t type, const unsigned char* data, std::uint32_t size,
                         std::string& text) {
    std::uint32_t kept = size;
    if (kept > 0 && data[kept - 1] == 0)
        --kept;
    if (type == kRegSz) {
        text.assign(reinterpret_cast<const char*>(data), kept);
        return true;
    }
    if (type == kRegDword) {
        static constexpr char hex[] = "0123456789ABCDEF";
        std::string spelled = "&h";
        for (std::uint32_t i = kept; i > 0; --i) {
            spelled.push_back(hex[data[i - 1] >> 4]);
            spelled.push_back(hex[data[i - 1] & 0x0F]);
        }
        text = spelled;
        return true;
    }
    return false;
}

bool GetKeyValue(Registry& reg, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegKey hKey = 0;
    if (reg.RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyAccess, hKey) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    std::array<unsigned char, kRegBufferSize> buffer{};
    std::uint32_t size = kRegBufferSize;
    std::uint32_t type = 0;
    if (reg.RegQueryValueExA(hKey, SubKeyRef, type, buffer.data(), size) != kErrorSuccess ||
        size > kRegBufferSize) {
        KeyVal.clear();
        reg.RegCloseKey(hKey);
        return false;
    }
    formatRegistryValue(type, buffer.data(), size, KeyVal); // other types leave KeyVal alone
    reg.RegCloseKey(hKey);
    return true;
}

} // namespace pebblenix
