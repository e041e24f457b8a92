#include "platform/win32/registry_win.h"

#include "platform/win32/text_buffer_win.h"

#include <windows.h>

#include <algorithm>

namespace tandrel {
namespace {

HKEY toHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

HKEY rootKey(RegistryRoot root) {
    return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

std::optional<RegistryKey> openKey(HKEY parent, const std::wstring& path, unsigned access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return reinterpret_cast<RegistryKey>(key);
}

} // namespace

std::optional<RegistryKey> Win32Registry::open(RegistryRoot root, const std::wstring& path, unsigned access) {
    return openKey(rootKey(root), path, access);
}

std::optional<RegistryKey> Win32Registry::openSubKey(RegistryKey parent, const std::wstring& name,
                                                     unsigned access) {
    return openKey(toHkey(parent), name, access);
}

std::optional<KeyInfo> Win32Registry::queryInfo(RegistryKey key) {
    DWORD subKeys = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(toHkey(key), nullptr, nullptr, nullptr, &subKeys, &longestName, nullptr, nullptr,
                         nullptr, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return KeyInfo{subKeys, longestName, longestData};
}

std::optional<std::wstring> Win32Registry::enumKey(RegistryKey key, unsigned index, unsigned capacity) {
    // A string's storage is never null, so a capacity of 0 still hands Windows a valid pointer.
    std::wstring name(capacity, L'\0');
    if (RegEnumKeyW(toHkey(key), index, name.data(), capacity) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return textUpToNul(std::move(name));
}

std::optional<std::wstring> Win32Registry::queryString(RegistryKey key, const std::wstring& value,
                                                       unsigned capacityBytes) {
    // Never a null pointer, which would ask only for the size; an odd capacity's last byte fits too.
    std::wstring text((std::size_t{capacityBytes} + 1) / sizeof(wchar_t), L'\0');
    DWORD type = REG_NONE;
    DWORD size = capacityBytes;
    if (RegQueryValueExW(toHkey(key), value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // The registry keeps the bytes as written: the closing NUL may be missing and the count may be odd.
    text.resize(std::min<std::size_t>(size / sizeof(wchar_t), text.size()));
    return textUpToNul(std::move(text));
}

void Win32Registry::close(RegistryKey key) {
    RegCloseKey(toHkey(key));
}

} // namespace tandrel
