#pragma once

#include "platform/version_info.h"

namespace tandrel {

class Win32VersionInfo final : public VersionInfo {
public:
    std::optional<std::vector<std::uint8_t>> load(const std::wstring& path) override;
    std::optional<std::vector<std::uint8_t>> query(const std::vector<std::uint8_t>& resource,
                                                   const std::wstring& subBlock) override;
};

} // namespace tandrel
