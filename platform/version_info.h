#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandrel {

// The executable's version resource, as GetFileVersionInfoW and VerQueryValueW see it.
class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    // The whole resource, or nothing when the file has none or cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> load(const std::wstring& path) = 0;
    // The bytes of one block inside a loaded resource, or nothing when it is missing.
    virtual std::optional<std::vector<std::uint8_t>> query(const std::vector<std::uint8_t>& resource,
                                                           const std::wstring& subBlock) = 0;
};

} // namespace tandrel
