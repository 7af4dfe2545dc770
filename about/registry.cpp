#include "about/registry.h"

#ifdef _WIN32
#include <map>
#include <windows.h>
#else
#include "about/sysinfokeys.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
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
// The desktop's own system-information tools, in the order they are looked for, with the
// arguments each is started with: GNOME's is a panel of its Settings.
struct DesktopTool {
    const char* program;
    const char* arguments;
};
constexpr DesktopTool kDesktopTools[] = {{"kinfocenter", ""},
                                         {"gnome-control-center", "info-overview"},
                                         {"xfce4-about", ""},
                                         {"hardinfo", ""}};

// The first tool that is a program file in a folder of PATH, with its full path. Only
// absolute folders count: an empty or relative entry would run whatever the folder the game
// happens to be started in holds.
std::optional<std::pair<std::string, const char*>> findDesktopTool() {
    const char* path = std::getenv("PATH");
    for (const DesktopTool& tool : kDesktopTools)
        for (std::string_view rest = path ? path : ""; !rest.empty();) {
            const std::size_t colon = std::min(rest.find(':'), rest.size());
            const std::string_view folder = rest.substr(0, colon);
            rest.remove_prefix(std::min(colon + 1, rest.size()));
            if (folder.empty() || folder.front() != '/')
                continue;
            const std::string candidate = std::string(folder) + '/' + tool.program;
            struct stat status {};
            if (::stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return std::pair{candidate, tool.arguments};
        }
    return std::nullopt;
}

// No registry on this platform. The one key the program asks for, the system-information
// tool's, answers with the desktop's own tool found on PATH when the key is opened; every
// other key is missing.
class PlatformRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegKey hKey, const std::string& lpSubKey, std::uint32_t, std::uint32_t,
                       RegKey& phkResult) override {
        phkResult = 0;
        if (hKey != kHKeyLocalMachine || lpSubKey != kToolKey || !(tool_ = findDesktopTool()))
            return kErrorFileNotFound;
        phkResult = kToolHandle;
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegKey hKey, const std::string& lpValueName, std::uint32_t& lpType,
                          unsigned char* lpData, std::uint32_t& lpcbData) override {
        if (hKey != kToolHandle || !tool_)
            return kErrorInvalidHandle;
        const bool path = lpValueName == kToolValue;
        if (!path && (lpValueName != kToolArguments || !*tool_->second))
            return kErrorFileNotFound;
        const std::string value = (path ? tool_->first : std::string(tool_->second)) + '\0';
        const bool fits = value.size() <= lpcbData;
        if (fits)
            std::copy(value.begin(), value.end(), lpData);
        lpType = kRegSz;
        lpcbData = static_cast<std::uint32_t>(value.size());
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    long RegCloseKey(RegKey hKey) override {
        if (hKey != kToolHandle || !tool_)
            return kErrorInvalidHandle;
        tool_.reset();
        return kErrorSuccess;
    }

private:
    static constexpr RegKey kToolHandle = 1;
    std::optional<std::pair<std::string, const char*>> tool_;
};
#endif

} // namespace

std::unique_ptr<Registry> makePlatformRegistry() {
    return std::make_unique<PlatformRegistry>();
}

} // namespace pebblenix
