// The registry layer against the real Windows registry (under Wine here): it writes keys
// of its own, reads them through GetKeyValue and must answer as the fake registry of the
// Linux tests does for the same data. No test framework: a line per failure, and exit 1.

#include "tests/registry_cases.h"

#include <cstdio>
#include <windows.h>

using namespace pebblenix;

int main() {
    const auto cases = test::registryCases();
    for (const auto& c : cases) {
        if (!c.stored)
            continue;
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, c.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS ||
            RegSetValueExA(key, c.value.c_str(), 0, c.type,
                           reinterpret_cast<const BYTE*>(c.data.data()),
                           static_cast<DWORD>(c.data.size())) != ERROR_SUCCESS) {
            std::printf("cannot write %s\\%s\n", c.key.c_str(), c.value.c_str());
            return 2;
        }
        RegCloseKey(key);
    }
    const auto failures = test::checkRegistry(*makePlatformRegistry());
    for (const char* key : {test::kTestKey, kToolKey, kLocationKey})
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key), RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
    for (const std::string& f : failures)
        std::printf("FAIL: %s\n", f.c_str());
    std::printf("registry: %zu passed, %zu failed\n", cases.size() + 4 - failures.size(),
                failures.size());
    return failures.empty() ? 0 : 1;
}
