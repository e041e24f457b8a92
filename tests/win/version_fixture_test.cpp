#include "fixture_paths.h"
#include "info/version_entry.h"
#include "platform/win32/version_info_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <ostream>

namespace tandrel {
namespace {

struct EntryCase {
    const wchar_t* fixture;
    const wchar_t* key;
    const wchar_t* expected;
};

void PrintTo(const EntryCase& entry, std::ostream* out) {
    *out << testing::PrintToString(entry.fixture) << " " << testing::PrintToString(entry.key);
}

// The text of a string entry up to its NUL, as VerQueryValueW finds it.
std::optional<std::wstring> storedEntry(const wchar_t* fixture, const std::wstring& subBlock) {
    Win32VersionInfo versions;
    const auto resource = versions.load(versionFixture(fixture));
    if (!resource) {
        return std::nullopt;
    }
    const auto bytes = versions.query(*resource, subBlock);
    if (!bytes) {
        return std::nullopt;
    }
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// What windres made of the escapes in the resource scripts, before any cleaning.
class StoredEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(StoredEntries, holdTheCharactersTheScriptEscapes) {
    const EntryCase& entry = GetParam();
    EXPECT_EQ(storedEntry(entry.fixture, std::wstring(L"\\StringFileInfo\\040704b0\\") + entry.key),
              std::wstring(entry.expected));
}

const EntryCase kStored[] = {
    {L"text_entries.exe", L"CrLf", L"a\r\nb"},
    {L"text_entries.exe", L"LoneCr", L"a\rb"},
    {L"text_entries.exe", L"LoneLf", L"a\nb"},
    {L"text_entries.exe", L"Tabs", L"\tx\t"},
    {L"text_entries.exe", L"Padded", L"  padded value  "},
    // The table the reader must not fall back to does hold the key.
    {L"second_translation.exe", L"FileVersion", L"9,9,9,9"},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, StoredEntries, testing::ValuesIn(kStored));

class VersionEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(VersionEntries, readAsTheProgramReadsItsOwn) {
    const EntryCase& entry = GetParam();
    const std::wstring path = versionFixture(entry.fixture);
    // An empty text is also what a missing file gives: the file must be there for the case to mean anything.
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << "fixture not built";
    Win32VersionInfo versions;
    EXPECT_EQ(readVersionEntry(versions, path, entry.key), entry.expected);
}

const EntryCase kEntries[] = {
    {L"text_entries.exe", L"CrLf", L"a  b"},
    {L"text_entries.exe", L"LoneCr", L"a  b"},
    {L"text_entries.exe", L"LoneLf", L"a\nb"},
    {L"text_entries.exe", L"Padded", L"padded value"},
    {L"text_entries.exe", L"Blanks", L""},
    {L"text_entries.exe", L"Tabs", L"\tx\t"},
    // Stored as "fileVERSION".
    {L"text_entries.exe", L"FileVersion", L"1,2,3,4"},
    {L"text_entries.exe", L"FILEVERSION", L"1,2,3,4"},
    {L"text_entries.exe", L"NoSuchEntry", L""},
    // Only the first translation pair, 0409 04B0, names the table.
    {L"second_translation.exe", L"FileVersion", L""},
    {L"no_version.exe", L"FileVersion", L""},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, VersionEntries, testing::ValuesIn(kEntries));

TEST(VersionFixtures, firstTranslationPairIsTheEnglishOne) {
    Win32VersionInfo versions;
    const auto resource = versions.load(versionFixture(L"second_translation.exe"));
    ASSERT_TRUE(resource.has_value());
    const auto pairs = versions.query(*resource, L"\\VarFileInfo\\Translation");
    const std::vector<std::uint8_t> expected = {0x09, 0x04, 0xB0, 0x04, 0x07, 0x04, 0xB0, 0x04};
    EXPECT_EQ(pairs, expected);
}

TEST(VersionFixtures, noVersionFixtureHasNoVersionResource) {
    const std::wstring path = versionFixture(L"no_version.exe");
    ASSERT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_FALSE(Win32VersionInfo().load(path).has_value());
}

} // namespace
} // namespace tandrel
