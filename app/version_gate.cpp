#include "app/version_gate.h"

namespace tandrel {
namespace {

constexpr unsigned kPlatformWin9x = 1; // VER_PLATFORM_WIN32_WINDOWS
constexpr unsigned kPlatformNt = 2;    // VER_PLATFORM_WIN32_NT

bool isWindows9x(const OsVersion& v) {
    return v.platformId == kPlatformWin9x && v.major == 4 && (v.minor == 0 || v.minor == 10 || v.minor == 90);
}

// Every NT release before Windows 8 and Server 2012, workstation or server alike.
bool isNtBeforeWindows8(const OsVersion& v) {
    return v.platformId == kPlatformNt && (v.major < 6 || (v.major == 6 && v.minor < 2));
}

} // namespace

bool isSupportedWindows(const std::optional<OsVersion>& version) {
    return !version || !(isWindows9x(*version) || isNtBeforeWindows8(*version));
}

} // namespace tandrel
