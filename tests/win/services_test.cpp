#include "info/version_entry.h"
#include "platform/win32/system_info_win.h"
#include "platform/win32/version_info_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace tandrel {
namespace {

std::wstring programUnderTest() {
    const wchar_t* path = _wgetenv(L"TANDREL_EXE");
    return path ? path : L"";
}

std::wstring ownPath() {
    return Win32SystemInfo().moduleFileName();
}

TEST(VersionResource, theProgramCarriesItsEntries) {
    const std::wstring exe = programUnderTest();
    ASSERT_FALSE(exe.empty()) << "TANDREL_EXE is not set";
    Win32VersionInfo versions;
    EXPECT_EQ(readVersionEntry(versions, exe, L"FileVersion"), L"2,1,2,151");
    EXPECT_EQ(readVersionEntry(versions, exe, L"fileversion"), L"2,1,2,151");
    EXPECT_EQ(readVersionEntry(versions, exe, L"ProductName"), L"Tandrel (64Bit)");
    EXPECT_EQ(readVersionEntry(versions, exe, L"FileDescription"), L"Apps deinstallieren");
    for (const wchar_t* key : {L"Homepage", L"Questions", L"Website"}) {
        EXPECT_EQ(readVersionEntry(versions, exe, key).rfind(L"https://", 0), 0u) << key;
    }
    EXPECT_EQ(readVersionEntry(versions, exe, L"NoSuchEntry"), L"");
}

TEST(VersionResource, filesWithoutOneGiveEmptyTexts) {
    Win32VersionInfo versions;
    EXPECT_EQ(readVersionEntry(versions, ownPath(), L"FileVersion"), L"");
    EXPECT_EQ(readVersionEntry(versions, L"C:\\no\\such\\file.exe", L"FileVersion"), L"");
}

TEST(SystemInfo, describesThisProcess) {
    Win32SystemInfo system;
    const auto version = system.osVersion();
    ASSERT_TRUE(version.has_value());
    EXPECT_GE(version->major, 6u);
    EXPECT_EQ(version->platformId, 2u);
    EXPECT_EQ(system.isWow64(), false);
    EXPECT_TRUE(system.isAdministrator()) << "Wine's token counts as an administrator's";
    EXPECT_EQ(_wcsicmp(std::filesystem::path(system.systemDirectory()).filename().c_str(), L"system32"), 0);
    EXPECT_EQ(std::filesystem::path(ownPath()).filename(), L"win_tests.exe");
    EXPECT_EQ(system.upperCase(L"c:\\windows\\system32\\x\u00e4.exe"), L"C:\\WINDOWS\\SYSTEM32\\X\u00c4.EXE");
}

} // namespace
} // namespace tandrel
