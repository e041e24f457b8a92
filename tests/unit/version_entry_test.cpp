#include "info/version_entry.h"

#include "fake_platform.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

struct CleanCase {
    const wchar_t* raw;
    const wchar_t* clean;
};

class CleanEntry : public testing::TestWithParam<CleanCase> {};

TEST_P(CleanEntry, foldsCarriageReturnsAndTrimsSpacesOnly) {
    EXPECT_EQ(cleanVersionEntry(GetParam().raw), GetParam().clean);
}

const CleanCase kCleanCases[] = {
    {L"a\r\nb", L"a  b"},   {L"a\rb", L"a  b"},
    {L"a\nb", L"a\nb"},     {L"a\r\r\nb", L"a    b"},
    {L"a\n\rb", L"a\n  b"}, {L"  2,1,2,151  ", L"2,1,2,151"},
    {L"   ", L""},          {L"\tx\t", L"\tx\t"},
    {L"\r\nx\r", L"x"},     {L"", L""},
};

INSTANTIATE_TEST_SUITE_P(Texts, CleanEntry, testing::ValuesIn(kCleanCases));

TEST(ReadVersionEntry, findsTheEntryInTheTableOfTheFirstTranslation) {
    FakeVersionInfo v;
    v.setTranslation(0x0407, 0x04B0);
    v.setString(L"040704b0", L"FileVersion", L"2,1,2,151");
    EXPECT_EQ(readVersionEntry(v, L"x.exe", L"FileVersion"), L"2,1,2,151");
    EXPECT_EQ(v.queries.back(), L"\\\\StringFileInfo\\\\040704B0\\\\FileVersion");
}

TEST(ReadVersionEntry, keyComparesWithoutCaseAndValuesAreCleaned) {
    FakeVersionInfo v;
    v.setTranslation(0x0407, 0x04B0);
    v.setString(L"040704b0", L"Homepage", L"  https://x.example/\r\n");
    EXPECT_EQ(readVersionEntry(v, L"x.exe", L"HOMEPAGE"), L"https://x.example/");
}

TEST(ReadVersionEntry, everyFailureGivesTheEmptyText) {
    FakeVersionInfo noResource;
    noResource.hasResource = false;
    EXPECT_EQ(readVersionEntry(noResource, L"x.exe", L"FileVersion"), L"");

    FakeVersionInfo noTranslation;
    noTranslation.setString(L"040704b0", L"FileVersion", L"1");
    EXPECT_EQ(readVersionEntry(noTranslation, L"x.exe", L"FileVersion"), L"");

    // Only the first pair counts, even when another table holds the key.
    FakeVersionInfo otherTable;
    otherTable.setTranslation(0x0409, 0x04B0);
    otherTable.setString(L"040704b0", L"FileVersion", L"1");
    EXPECT_EQ(readVersionEntry(otherTable, L"x.exe", L"FileVersion"), L"");

    FakeVersionInfo shortTranslation;
    shortTranslation.blocks[L"\\VarFileInfo\\Translation"] = {0x07, 0x04};
    EXPECT_EQ(readVersionEntry(shortTranslation, L"x.exe", L"FileVersion"), L"");

    FakeVersionInfo missingKey;
    missingKey.setTranslation(0x0407, 0x04B0);
    EXPECT_EQ(readVersionEntry(missingKey, L"x.exe", L"Questions"), L"");
}

} // namespace
} // namespace tandrel::test
