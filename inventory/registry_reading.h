#pragma once

#include "platform/registry.h"

#include <optional>
#include <string>

namespace tandrel {

// Closes its key exactly once, whichever way the reading ends.
class KeyOwner {
public:
    KeyOwner(Registry& registry, std::optional<RegistryKey> key) : registry_(registry), key_(key) {}
    KeyOwner(const KeyOwner&) = delete;
    KeyOwner& operator=(const KeyOwner&) = delete;
    ~KeyOwner() {
        if (key_) {
            registry_.close(*key_);
        }
    }
    explicit operator bool() const { return key_.has_value(); }
    RegistryKey operator*() const { return *key_; }

private:
    Registry& registry_;
    std::optional<RegistryKey> key_;
};

// Buffers are sized by what the key itself reports, with room to spare for a value that
// grew since: the longest name plus 100 characters, the longest data plus 100 bytes.
struct KeyReader {
    Registry& registry;
    RegistryKey key;
    KeyInfo info;

    KeyReader(Registry& r, RegistryKey k) : registry(r), key(k), info(r.queryInfo(k).value_or(KeyInfo{})) {}
    std::optional<std::wstring> subKeyName(unsigned index) const {
        return registry.enumKey(key, index, info.longestSubKeyName + 100);
    }
    std::optional<std::wstring> string(const std::wstring& value) const {
        return registry.queryString(key, value, info.longestValueData + 100);
    }
};

inline constexpr wchar_t kPackagesKey[] =
    L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\Repository\\Packages\\";

} // namespace tandrel
