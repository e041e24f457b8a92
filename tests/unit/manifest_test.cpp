#include "app/utf8.h"
#include "inventory/manifest.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

struct ScanCase {
    const char* name;
    const wchar_t* manifest;
    const wchar_t* logoPath;
    const wchar_t* packageName;
};

class ManifestScan : public testing::TestWithParam<ScanCase> {};

TEST_P(ManifestScan, cutsLogoPathAndPackageName) {
    EXPECT_EQ(appLogoPath(GetParam().manifest), GetParam().logoPath);
    EXPECT_EQ(manifestPackageName(GetParam().manifest), GetParam().packageName);
}

const ScanCase kScanCases[] = {
    {"typical",
     L"<Package><Identity Name=\"Microsoft.BingWeather\" Version=\"4.5\"/>"
     L"<Properties><Logo>Assets\\StoreLogo.png</Logo></Properties></Package>",
     L"Assets/StoreLogo.png", L"Microsoft.BingWeather"},
    {"caseIgnored", L"<IDENTITY NAME=\"A.B\"/><LOGO>x\\y.png</LOGO>", L"x/y.png", L"A.B"},
    {"empty", L"", L"", L""},
    {"noClosingLogo", L"<Identity Name=\"A\"/><Logo>x.png", L"", L"A"},
    // Without an opening tag the text before the closing one loses its first five characters.
    {"closingWithoutOpening", L"12345abc\\d</Logo>", L"abc/d", L""},
    {"closingTooEarly", L"1234</Logo>", L"", L""},
    {"emptyLogo", L"<Logo></Logo>", L"", L""},
    // Only the first Name= counts, whatever element holds it.
    {"firstNameWins", L"<Resource Name=\"en-us\"/><Identity Name=\"Pkg\"/>", L"", L"en-us"},
    {"singleQuotesRunToTheNextDoubleQuote", L"<Identity Name='A.B' Publisher=\"CN=X\"/>", L"",
     L"A.B' Publisher="},
    {"noClosingQuote", L"<Identity Name=\"A.B", L"", L""},
    {"nameAtTheEnd", L"Name=", L"", L""},
    {"nameWithOneMore", L"Name=\"", L"", L""},
    {"emptyName", L"Name=\"\"", L"", L""},
};

INSTANTIATE_TEST_SUITE_P(Texts, ManifestScan, testing::ValuesIn(kScanCases), CaseName());

TEST(ManifestText, isUtf8UpToTheFirstZeroByte) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(manifestText(std::nullopt), L"");
    EXPECT_EQ(manifestText(Bytes{}), L"");
    EXPECT_EQ(manifestText(Bytes{'a', 0xC3, 0xA4, '\r', '\n', 'b'}), L"a\u00e4\r\nb");
    // A UTF-16 file stops after its first character.
    EXPECT_EQ(manifestText(Bytes{0xFF, 0xFE, '<', 0, 'P', 0}), L"\ufffd\ufffd<");
    EXPECT_EQ(manifestText(Bytes{'<', 0, 'P'}), L"<");
}

struct Utf8Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::wstring text;
};

class Utf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, decodesAndReplacesBadBytes) {
    EXPECT_EQ(decodeUtf8(GetParam().bytes), GetParam().text);
}

const Utf8Case kUtf8Cases[] = {
    {"ascii", {'a', 'b'}, L"ab"},
    {"twoBytes", {0xC3, 0xBC}, L"\u00fc"},
    {"threeBytes", {0xE2, 0x82, 0xAC}, L"\u20ac"},
    {"fourBytesAsSurrogates", {0xF0, 0x9F, 0x98, 0x80}, std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}},
    {"loneContinuation", {0x80, 'a'}, L"\ufffda"},
    {"truncatedAtEnd", {'a', 0xE2, 0x82}, L"a\ufffd"},
    {"interruptedSequence", {0xE2, 'a'}, L"\ufffda"},
    {"overlong", {0xC0, 0xAF}, L"\ufffd\ufffd"},
    {"surrogateEncoded", {0xED, 0xA0, 0x80}, L"\ufffd"},
    {"pastUnicode", {0xF4, 0x90, 0x80, 0x80}, L"\ufffd"},
    {"invalidLead", {0xFF}, L"\ufffd"},
};

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8, testing::ValuesIn(kUtf8Cases), CaseName());

TEST(Utf8, roundTripsThroughEncoding) {
    const std::wstring text = L"Tab\tCR\r\nLF\n\u00e4\u20ac" + std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)};
    const std::string bytes = encodeUtf8(text);
    EXPECT_EQ(decodeUtf8(std::vector<std::uint8_t>(bytes.begin(), bytes.end())), text);
    EXPECT_EQ(encodeUtf8(std::wstring{wchar_t(0xDC00)}), "\xEF\xBF\xBD");
}

} // namespace
} // namespace tandrel::test
