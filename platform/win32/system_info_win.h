#pragma once

#include "platform/system_info.h"

namespace tandrel {

class Win32SystemInfo final : public SystemInfo {
public:
    std::optional<OsVersion> osVersion() override;
    std::wstring systemDirectory() override;
    std::wstring moduleFileName() override;
    bool isWow64() override;
    bool isAdministrator() override;
    void loadLibrary(const std::wstring& path) override;
    std::wstring upperCase(const std::wstring& text) override;
    LocalTime localTime() override;
};

} // namespace tandrel
