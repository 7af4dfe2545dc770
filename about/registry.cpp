#include "about/registry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pebblenix {

namespace {

#ifdef _WIN32
class PlatformRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegKey hKey, const std::string& lpSubKey, std::uint32_t ulOptions,
                       std::uint32_t samDesired, RegKey& phkResult) override {
        HKEY opened = nullptr;
        const long rc = ::RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(hKey)),
                                        lpSubKey.c_str(), ulOptions, samDesired, &opened);
        phkResult = static_cast<RegKey>(reinterpret_cast<ULONG_PTR>(opened));
        return rc;
    }
    long RegQueryValueExA(RegKey hKey, const std::string& lpValueName, std::uint32_t& lpType,
                          unsigned char* lpData, std::uint32_t& lpcbData) override {
        DWORD type = 0, size = lpcbData;
        const long rc = ::RegQueryValueExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(hKey)),
                                           lpValueName.c_str(), nullptr, &type, lpData, &size);
        lpType = type;
        lpcbData = size;
        return rc;
    }
    long RegCloseKey(RegKey hKey) override {
        return ::RegCloseKey(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(hKey)));
    }
};
#else
// No registry on this platform: every key is missing.
class PlatformRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegKey, const std::string&, std::uint32_t, std::uint32_t,
                       RegKey& phkResult) override {
        phkResult = 0;
        return kErrorFileNotFound;
    }
    long RegQueryValueExA(RegKey, const std::string&, std::uint32_t&, unsigned char*,
                          std::uint32_t&) override {
        return kErrorFileNotFound;
    }
    long RegCloseKey(RegKey) override { return kErrorSuccess; }
};
#endif

Registry* current = nullptr;

} // namespace

Registry& registry() {
    static PlatformRegistry platform;
    return current ? *current : platform;
}

void setRegistry(Registry* replacement) {
    current = replacement;
}

} // namespace pebblenix
