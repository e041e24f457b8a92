#include "tests/e2e/wine_version_override.h"

#include "tests/e2e/driver_error.h"

#include <windows.h>

namespace tandrel::e2e {

WineVersionOverride::WineVersionOverride(const std::wstring& exeName, const std::wstring& version)
    : keyPath_(L"Software\\Wine\\AppDefaults\\" + exeName) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_.c_str());
        throw DriverError("cannot set Wine's version for the program: error " + std::to_string(status));
    }
}

WineVersionOverride::~WineVersionOverride() {
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_.c_str());
}

} // namespace tandrel::e2e
