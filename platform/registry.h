#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandrel {

enum class RegistryRoot { ClassesRoot, LocalMachine };

// Access rights as Windows numbers them; the registry view flag is ORed into them.
inline constexpr unsigned kKeyQueryValue = 0x0001;
inline constexpr unsigned kKeyEnumerateSubKeys = 0x0008;

// An open key as the seam hands it out; 0 is never one.
using RegistryKey = std::uintptr_t;

struct KeyInfo {
    unsigned subKeys = 0;
    unsigned longestSubKeyName = 0; // characters, without the terminating NUL
    unsigned longestValueData = 0;  // bytes
};

// Read-only access to the registry, call for call as RegOpenKeyExW, RegQueryInfoKeyW,
// RegEnumKeyW, RegQueryValueExW and RegCloseKey offer it.
class Registry {
public:
    virtual ~Registry() = default;
    virtual std::optional<RegistryKey> open(RegistryRoot root, const std::wstring& path, unsigned access) = 0;
    virtual std::optional<RegistryKey> openSubKey(RegistryKey parent, const std::wstring& name,
                                                  unsigned access) = 0;
    virtual std::optional<KeyInfo> queryInfo(RegistryKey key) = 0;
    // The name of subkey `index`, read into a buffer of `capacity` characters.
    virtual std::optional<std::wstring> enumKey(RegistryKey key, unsigned index, unsigned capacity) = 0;
    // A string value (REG_SZ or REG_EXPAND_SZ, unexpanded) read into a buffer of `capacityBytes`
    // bytes, up to its first NUL or its end; values of other types are not read.
    virtual std::optional<std::wstring> queryString(RegistryKey key, const std::wstring& value,
                                                    unsigned capacityBytes) = 0;
    virtual void close(RegistryKey key) = 0;
};

} // namespace tandrel
