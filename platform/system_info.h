#pragma once

#include <optional>
#include <string>

namespace tandrel {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct OsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned platformId = 0;
    unsigned productType = 0;
};

// What the program learns about the machine and its own process.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The true version (RtlGetVersion, else GetVersionExW); nothing when neither answers.
    virtual std::optional<OsVersion> osVersion() = 0;
    virtual std::wstring systemDirectory() = 0;
    // Full path of the running executable.
    virtual std::wstring moduleFileName() = 0;
    virtual bool isWow64() = 0;
    // Membership of the calling thread's token in S-1-5-32-544.
    virtual bool isAdministrator() = 0;
    // Loads a library and keeps it loaded for the rest of the run.
    virtual void loadLibrary(const std::wstring& path) = 0;
    // The system's own upper-casing (CharUpperW), which differs from the C library's.
    virtual std::wstring upperCase(const std::wstring& text) = 0;
    virtual LocalTime localTime() = 0;
};

} // namespace tandrel
