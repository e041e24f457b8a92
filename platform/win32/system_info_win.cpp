#include "platform/win32/system_info_win.h"

#include "platform/win32/system_folder_win.h"

#include <array>

namespace tandrel {
namespace {

OsVersion osVersionOf(const OSVERSIONINFOEXW& info) {
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId, info.wProductType};
}

OSVERSIONINFOEXW emptyVersionInfo() {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return info;
}

} // namespace

std::optional<OsVersion> Win32SystemInfo::osVersion() {
    // GetVersionExW lies (6.2) to programs without a compatibility manifest; ntdll tells the truth.
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    OSVERSIONINFOEXW info = emptyVersionInfo();
    const auto rtlGetVersion = procAddress<RtlGetVersion>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (rtlGetVersion != nullptr && rtlGetVersion(&info) == 0) {
        return osVersionOf(info);
    }
    info = emptyVersionInfo();
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) {
        return osVersionOf(info);
    }
    return std::nullopt;
}

std::wstring Win32SystemInfo::systemDirectory() {
    return systemDirectoryPath();
}

std::wstring Win32SystemInfo::moduleFileName() {
    std::array<wchar_t, MAX_PATH> buffer{};
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), MAX_PATH);
    return {buffer.data(), length};
}

bool Win32SystemInfo::isWow64() {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}

bool Win32SystemInfo::isAdministrator() {
    using CheckTokenMembership = BOOL(WINAPI*)(HANDLE, PSID, PBOOL);
    const ModuleOwner advapi32 = loadSystemLibrary(L"advapi32.dll");
    const auto checkTokenMembership =
        procAddress<CheckTokenMembership>(advapi32.get(), "CheckTokenMembership");
    if (checkTokenMembership == nullptr) {
        return false;
    }
    // S-1-5-32-544, the built-in Administrators group: revision 1, two sub-authorities, identifier
    // authority 5 (NT), then the sub-authorities 32 (built-in domain) and 544 (administrators),
    // little-endian.
    alignas(DWORD) std::array<BYTE, 16> administrators{1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 0x02, 0, 0};
    BOOL member = FALSE;
    checkTokenMembership(nullptr, administrators.data(), &member);
    return member == TRUE;
}

void Win32SystemInfo::loadLibrary(const std::wstring& path) {
    // Deliberately never freed: the library stays loaded for the whole run, so that others can find
    // it again by GetModuleHandleW; the process owns it.
    LoadLibraryW(path.c_str());
}

std::wstring Win32SystemInfo::upperCase(const std::wstring& text) {
    std::wstring upper = text;
    CharUpperW(upper.data());
    return upper;
}

LocalTime Win32SystemInfo::localTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace tandrel
