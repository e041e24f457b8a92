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
    // SHLoadIndirectString into a zero-filled buffer of 2000 characters: what the buffer then
    // holds, empty when the call left it untouched.
    virtual std::wstring loadIndirectString(const std::wstring& source) = 0;
};

} // namespace tandrel
