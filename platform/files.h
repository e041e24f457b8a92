#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandrel {

class Files {
public:
    virtual ~Files() = default;
    virtual bool exists(const std::wstring& path) = 0;
    // Also takes "file:stream" paths; a missing file is no error.
    virtual void deleteFile(const std::wstring& path) = 0;
    // Only the last level; an existing folder or a failure is ignored.
    virtual void createDirectory(const std::wstring& path) = 0;
    // The whole file, opened for reading without sharing; nothing when it cannot be opened or read.
    virtual std::optional<std::vector<std::uint8_t>> readFile(const std::wstring& path) = 0;
    // Creates the file or empties an existing one, and writes all of `bytes`; false unless every
    // byte was written.
    virtual bool writeFile(const std::wstring& path, const std::string& bytes) = 0;
};

} // namespace tandrel
