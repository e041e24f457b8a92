#include "inventory/selected_apps.h"
#include "inventory/text_case.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

TEST(SelectedApps, isOneTextOfNineteenNamesBetweenHashes) {
    const std::wstring list = buildSelectedApps();
    EXPECT_EQ(list.size(), 467u);
    EXPECT_EQ(list.front(), L'#');
    EXPECT_EQ(list.back(), L'#');
    EXPECT_EQ(std::count(list.begin(), list.end(), L'#'), 20);
    EXPECT_EQ(list.find(L"##"), std::wstring::npos);
}

struct SelectedCase {
    const char* name;
    const wchar_t* package;
    bool selected;
};

class SelectedAppTest : public testing::TestWithParam<SelectedCase> {};

TEST_P(SelectedAppTest, matchesWholeNamesIgnoringCase) {
    EXPECT_EQ(isSelectedApp(buildSelectedApps(), GetParam().package), GetParam().selected);
}

const SelectedCase kSelectedCases[] = {
    {"asListed", L"Microsoft.BingWeather", true},
    {"upperCase", L"MICROSOFT.BINGWEATHER", true},
    {"lowerCase", L"microsoft.bingweather", true},
    {"listedInLowerCase", L"microsoft.windowscommunicationsapps", true},
    {"listedInLowerCaseAskedMixed", L"Microsoft.WindowsCommunicationsApps", true},
    {"first", L"Microsoft.WindowsAlarms", true},
    {"last", L"Microsoft.MSPaint", true},
    {"prefixOfAName", L"Microsoft.Xbox", false},
    {"prefixOfSeveral", L"Microsoft.Windows", false},
    {"longerThanAName", L"Microsoft.WindowsStorePurchaseApp", false},
    {"nameWithSuffix", L"Microsoft.BingWeather.Beta", false},
    {"empty", L"", false},
    {"twoNames", L"Microsoft.ZuneVideo#Microsoft.Windows.Photos", true},
    {"fullName", L"Microsoft.BingWeather_4.53.1_x64__8wekyb3d8bbwe", false},
};

INSTANTIATE_TEST_SUITE_P(Names, SelectedAppTest, testing::ValuesIn(kSelectedCases), CaseName());

TEST(TextCase, lowersLettersOneByOne) {
    EXPECT_EQ(lowerLetter(L'A'), L'a');
    EXPECT_EQ(lowerLetter(L'\u00c4'), L'\u00e4');
    EXPECT_EQ(lowerLetter(L'\u00d7'), L'\u00d7'); // the multiplication sign has no case
    EXPECT_EQ(lowerLetter(L'\u0130' + 2), L'\u0133');
    EXPECT_EQ(lowerLetter(L'\u0130'), L'i');
    EXPECT_EQ(lowerLetter(L'\u0178'), L'\u00ff');
    EXPECT_EQ(lowerLetter(L'\u0141'), L'\u0142');
    EXPECT_EQ(lowerLetter(L'\u0416'), L'\u0436');
    EXPECT_EQ(lowerLetter(L'\u0401'), L'\u0451');
    EXPECT_EQ(lowerLetter(L'\u03a3'), L'\u03c3');
    EXPECT_EQ(lowerLetter(L'#'), L'#');
    EXPECT_EQ(lowerLetter(L'_'), L'_');
}

} // namespace
} // namespace tandrel::test
