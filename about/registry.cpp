#include "about/registry.h"

#ifdef _WIN32
#include <map>
#include <windows.h>
#endif

namespace pebblenix {

namespace {

#ifdef _WIN32
// Keys are handed out as small numbers: a Windows key handle is pointer-sized, and the
// predefined roots are sign-extended there, so neither fits the 32-bit handles of the layer.
class PlatformRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegKey hKey, const std::string& lpSubKey, std::uint32_t ulOptions,
                       std::uint32_t samDesired, RegKey& phkResult) override {
        HKEY opened = nullptr;
        const long rc =
            ::RegOpenKeyExA(toHandle(hKey), lpSubKey.c_str(), ulOptions, samDesired, &opened);
        phkResult = 0;
        if (rc == ERROR_SUCCESS) {
            phkResult = next_++;
            open_[phkResult] = opened;
        }
        return rc;
    }
    long RegQueryValueExA(RegKey hKey, const std::string& lpValueName, std::uint32_t& lpType,
                          unsigned char* lpData, std::uint32_t& lpcbData) override {
        DWORD type = 0, size = lpcbData;
        const long rc =
            ::RegQueryValueExA(toHandle(hKey), lpValueName.c_str(), nullptr, &type, lpData, &size);
        lpType = type;
        lpcbData = size;
        return rc;
    }
    long RegCloseKey(RegKey hKey) override {
        const auto it = open_.find(hKey);
        if (it == open_.end())
            return ERROR_INVALID_HANDLE;
        const long rc = ::RegCloseKey(it->second);
        open_.erase(it);
        return rc;
    }

private:
    HKEY toHandle(RegKey key) const {
        if (key == kHKeyLocalMachine)
            return HKEY_LOCAL_MACHINE;
        const auto it = open_.find(key);
        return it == open_.end() ? nullptr : it->second;
    }
    std::map<RegKey, HKEY> open_;
    RegKey next_ = 1;
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

} // namespace

std::unique_ptr<Registry> makePlatformRegistry() {
    return std::make_unique<PlatformRegistry>();
}

} // namespace pebblenix
