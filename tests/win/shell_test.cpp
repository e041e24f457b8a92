#include "fixture_paths.h"
#include "platform/win32/shell_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tandrel {
namespace {

TEST(Shell, findsTheRoamingFolder) {
    const std::wstring roaming = Win32Shell().specialFolder(kCsidlAppData);
    ASSERT_FALSE(roaming.empty());
    EXPECT_TRUE(std::filesystem::is_directory(roaming));
}

struct IndirectCase {
    std::wstring source;
    std::wstring expected;
};

void PrintTo(const IndirectCase& entry, std::ostream* out) {
    *out << testing::PrintToString(entry.source.substr(0, 60));
}

class IndirectStrings : public testing::TestWithParam<IndirectCase> {};

TEST_P(IndirectStrings, resolveIntoTwoThousandCharacters) {
    ASSERT_TRUE(std::filesystem::is_regular_file(versionFixture(L"no_version.exe"))) << "fixture not built";
    EXPECT_EQ(Win32Shell().loadIndirectString(GetParam().source), GetParam().expected);
}

const IndirectCase kIndirect[] = {
    {L"Rechner", L"Rechner"},
    {L"", L""},
    // The buffer's 2000 characters hold 1999 and the NUL.
    {std::wstring(2500, L'x'), std::wstring(1999, L'x')},
    {L"@" + versionFixture(L"no_version.exe") + L",-101", L"Aus der Zeichentabelle"},
    {L"@" + versionFixture(L"no_version.exe") + L",-102", L""},
    // A package resource of a package that is not installed: the call fails and leaves the buffer empty.
    {L"@{Tandrel.Test_1.0.0.0_x64__8wekyb3d8bbwe?ms-resource://Tandrel.Test/Resources/AppName}", L""},
};

INSTANTIATE_TEST_SUITE_P(Sources, IndirectStrings, testing::ValuesIn(kIndirect));

} // namespace
} // namespace tandrel
