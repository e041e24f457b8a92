#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tandrel::tools {

// Where Windows keeps the packages, and so the keys the program reads its lists from.
inline constexpr const wchar_t* kRepositoryKey =
    L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\Repository"; // below HKCR
inline constexpr const wchar_t* kAllUserStoreKey =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Appx\\AppxAllUserStore\\Applications"; // below HKLM

// Owns an open registry key and closes it.
class UniqueKey {
public:
    UniqueKey() = default;
    explicit UniqueKey(HKEY key) : key_(key) {}
    UniqueKey(UniqueKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueKey& operator=(UniqueKey&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.key_, nullptr));
        }
        return *this;
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;
    ~UniqueKey() { reset(); }

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void reset(HKEY key = nullptr) {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};

// An empty key when it cannot be opened.
UniqueKey openKey(HKEY parent, const std::wstring& path, REGSAM access = KEY_READ);
std::vector<std::wstring> subkeyNames(HKEY key);
// A REG_SZ or REG_EXPAND_SZ value as stored; nullopt when there is none.
std::optional<std::wstring> stringValue(HKEY key, const std::wstring& name);

} // namespace tandrel::tools
