#include "tests/common/case_name.h"
#include "tools/menu_probe/menu_report.h"

#include <gtest/gtest.h>

#include <string>

namespace tandrel::tools {

// A failed comparison shows the reports as their files read.
void PrintTo(const MenuReport& report, std::ostream* out) {
    *out << formatMenuReport(report);
}

namespace {

using test::PrintTo;

// Texts with every character the format escapes, and one beyond ASCII.
MenuReport hostileReport() {
    MenuItemRecord item{
        101, L"Tab\there, CR LF\r\nthere, back\\slash and \u00fc", true, true, true, true, true, true};
    MenuItemRecord plain{202, L"", false, false, false, false, false, false};
    return {{{L"&Programm\t", {item, plain}}, {L"\\n is not a line end", {}}}, L""};
}

TEST(MenuReport, KeepsEveryTextAndFlagThroughItsFile) {
    const MenuReport report = hostileReport();
    EXPECT_EQ(parseMenuReport(formatMenuReport(report)), report);
}

TEST(MenuReport, KeepsTheProbesError) {
    const MenuReport report{{}, L"no window\twith a menu"};
    EXPECT_EQ(parseMenuReport(formatMenuReport(report)), report);
}

struct BrokenReport {
    const char* name;
    std::string text;
};

std::string cutBeforeEnd() {
    const std::string whole = formatMenuReport(hostileReport());
    return whole.substr(0, whole.rfind("end\n"));
}

const BrokenReport kBroken[] = {
    {"Empty", ""},
    {"StillBeingWritten", cutBeforeEnd()},
    {"WithoutLastLineEnd", "tandrel-menu-report 1\nend"},
    {"OtherHeader", "tandrel-menu-report 2\nend\n"},
    {"ItemBeforeAnyMenu", "tandrel-menu-report 1\nitem\t101\t-\tx\nend\n"},
    {"UnknownFlag", "tandrel-menu-report 1\nmenu\tm\nitem\t101\tbold\tx\nend\n"},
    {"IdNotANumber", "tandrel-menu-report 1\nmenu\tm\nitem\t10x\t-\tx\nend\n"},
    {"UnknownEscape", "tandrel-menu-report 1\nmenu\t\\q\nend\n"},
    {"MissingField", "tandrel-menu-report 1\nmenu\tm\nitem\t101\t-\nend\n"},
};

class BrokenMenuReport : public ::testing::TestWithParam<BrokenReport> {};

TEST_P(BrokenMenuReport, IsNoReport) {
    EXPECT_EQ(parseMenuReport(GetParam().text), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, BrokenMenuReport, ::testing::ValuesIn(kBroken), tandrel::test::CaseName());

} // namespace
} // namespace tandrel::tools
