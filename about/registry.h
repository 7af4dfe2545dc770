#pragma once
// A small registry layer shaped like the three advapi32 calls the About box uses. On
// Windows it calls them; elsewhere there is no registry, and every key is missing but the
// system-information tool's, which names the desktop's own tool found on PATH.
// The program makes the platform's once and hands it on; tests hand on a fake.

#include <cstdint>
#include <memory>
#include <string>

namespace pebblenix {

using RegKey = std::uint32_t;

inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyAccess = 0x2003Fu;
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long RegOpenKeyExA(RegKey hKey, const std::string& lpSubKey, std::uint32_t ulOptions,
                               std::uint32_t samDesired, RegKey& phkResult) = 0;
    // Fills at most lpcbData bytes of lpData; on return lpcbData holds the data's size.
    virtual long RegQueryValueExA(RegKey hKey, const std::string& lpValueName,
                                  std::uint32_t& lpType, unsigned char* lpData,
                                  std::uint32_t& lpcbData) = 0;
    virtual long RegCloseKey(RegKey hKey) = 0;
};

// The platform's registry.
std::unique_ptr<Registry> makePlatformRegistry();

} // namespace pebblenix
