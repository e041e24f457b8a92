#pragma once

#include "platform/shell.h"

namespace tandrel {

class Win32Shell final : public Shell {
public:
    std::wstring specialFolder(int csidl) override;
    void open(const std::wstring& file) override;
    std::wstring loadIndirectString(const std::wstring& source) override;
};

} // namespace tandrel
