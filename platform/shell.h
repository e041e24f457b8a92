#pragma once

#include <string>

namespace tandrel {

inline constexpr int kCsidlAppData = 26;

class Shell {
public:
    virtual ~Shell() = default;
    // The folder's path as the shell gives it, or empty when it cannot be resolved.
    virtual std::wstring specialFolder(int csidl) = 0;
    // ShellExecuteW with "open"; the result is not looked at.
    virtual void open(const std::wstring& file) = 0;
};

} // namespace tandrel
