#pragma once

#include "platform/files.h"

namespace tandrel {

class Win32Files final : public Files {
public:
    bool exists(const std::wstring& path) override;
    void deleteFile(const std::wstring& path) override;
    void createDirectory(const std::wstring& path) override;
    std::optional<std::vector<std::uint8_t>> readFile(const std::wstring& path) override;
    bool writeFile(const std::wstring& path, const std::string& bytes) override;
};

} // namespace tandrel
