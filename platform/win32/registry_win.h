#pragma once

#include "platform/registry.h"

namespace tandrel {

class Win32Registry final : public Registry {
public:
    std::optional<RegistryKey> open(RegistryRoot root, const std::wstring& path, unsigned access) override;
    std::optional<RegistryKey> openSubKey(RegistryKey parent, const std::wstring& name,
                                          unsigned access) override;
    std::optional<KeyInfo> queryInfo(RegistryKey key) override;
    std::optional<std::wstring> enumKey(RegistryKey key, unsigned index, unsigned capacity) override;
    std::optional<std::wstring> queryString(RegistryKey key, const std::wstring& value,
                                            unsigned capacityBytes) override;
    void close(RegistryKey key) override;
};

} // namespace tandrel
