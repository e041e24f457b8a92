#pragma once

#include <string>

namespace tandrel::e2e {

// Makes Wine report another Windows version to one executable, for as long as the object lives:
// Wine reads HKCU\Software\Wine\AppDefaults\<exe name>\Version when a process starts. Unlike
// `winecfg -v`, this leaves the prefix and every other program in it alone.
class WineVersionOverride {
public:
    // `version` is one of winecfg's names: "win7", "win8", "win10", ...
    WineVersionOverride(const std::wstring& exeName, const std::wstring& version);
    WineVersionOverride(const WineVersionOverride&) = delete;
    WineVersionOverride& operator=(const WineVersionOverride&) = delete;
    ~WineVersionOverride();

private:
    std::wstring keyPath_;
};

} // namespace tandrel::e2e
