#pragma once
// What reading the registry must give, shared by the test against the fake registry here
// and the test program run against the real one under Wine, so that both answer alike.

#include "about/registryvalue.h"
#include "about/sysinfokeys.h"

#include <string>
#include <vector>

namespace pebblenix::test {

inline constexpr char kTestKey[] = "SOFTWARE\\PebblenixRegistryTest";

struct RegistryCase {
    const char* name;
    std::string key;   // under HKEY_LOCAL_MACHINE
    std::string value; // the value's name
    bool stored;       // false: the value is never written
    std::uint32_t type;
    std::string data;
    bool read;            // what GetKeyValue returns
    std::string expected; // and the text it gives
};

inline std::vector<RegistryCase> registryCases() {
    const std::string k = kTestKey;
    using namespace std::string_literals;
    return {
        {"a string", k, "Str", true, kRegSz, "C:\\tool.exe\0"s, true, "C:\\tool.exe"},
        {"an empty string", k, "Empty", true, kRegSz, "\0"s, true, ""},
        {"a DWORD", k, "Num", true, kRegDword, "\x0A\x02\x01\x10"s, true, "&h1001020A"},
        {"a DWORD with a zero top byte", k, "Small", true, kRegDword, "\x2B\x1A\x00\x00"s, true,
         "&h001A2B"},
        {"larger than the buffer", k, "Big", true, kRegSz, std::string(2000, 'a') + '\0', false,
         ""},
        {"a missing key", k + "\\Missing", "Str", false, 0, "", false, ""},
        {"a missing value", k, "Absent", false, 0, "", false, ""},
        {"the tool's own key", kToolKey, kToolValue, true, kRegSz, "C:\\x\\msinfo32.exe\0"s, true,
         "C:\\x\\msinfo32.exe"},
        {"the shared-tools folder", kLocationKey, kLocationValue, true, kRegSz,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\0"s, true,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo"},
    };
}

// Reads every case, then uses a key handle after it was closed and one never given out.
// Returns what went wrong, one line each.
inline std::vector<std::string> checkRegistry(Registry& reg) {
    std::vector<std::string> failures;
    for (const RegistryCase& c : registryCases()) {
        std::string text = "stale";
        const bool read = GetKeyValue(reg, kHKeyLocalMachine, c.key, c.value, text);
        if (read != c.read || text != c.expected)
            failures.push_back(std::string(c.name) + ": " + (read ? "read" : "not read") + ", \"" +
                               text.substr(0, 40) + "\"");
    }
    RegKey key = 0;
    std::uint32_t type = 0, size = 4;
    unsigned char buffer[4];
    if (reg.RegOpenKeyExA(kHKeyLocalMachine, kTestKey, 0, kKeyAccess, key) != kErrorSuccess ||
        reg.RegCloseKey(key) != kErrorSuccess)
        failures.push_back("the test key cannot be opened and closed");
    if (reg.RegCloseKey(key) == kErrorSuccess)
        failures.push_back("a key closed twice");
    if (reg.RegQueryValueExA(key, "Str", type, buffer, size) == kErrorSuccess)
        failures.push_back("a value read through a closed key");
    if (reg.RegQueryValueExA(4242, "Str", type, buffer, size) == kErrorSuccess)
        failures.push_back("a value read through a key never opened");
    return failures;
}

} // namespace pebblenix::test
