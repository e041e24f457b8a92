#include "tests/common/case_name.h"
#include "tests/e2e/menu_probe_client.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"

#include <string_view>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct ExpectedItem {
    const char* name;
    size_t menu;
    size_t position;
    int id;
    std::wstring_view text;
    bool separator;
    bool icon;
    bool checked;
    bool grayed;
};

constexpr bool kIcon = true;
constexpr bool kNoIcon = false;
constexpr bool kChecked = true;
constexpr bool kGrayed = true;

ExpectedItem separator(const char* name, size_t position) {
    return {name, 0, position, 0, L"", true, false, false, false};
}

// Both menus at start-up, in display order. Only item 110 carries a check mark; item 104 is
// grayed because the trace log is still empty.
const ExpectedItem kItems[] = {
    {"Refresh", 0, 0, MenuRefresh, L"Listen &aktualisieren", false, kIcon, false, false},
    separator("FirstSeparator", 1),
    {"AdditionalPackages", 0, 2, MenuAdditionalPackages, L"auch &Zusatzpakete anzeigen", false, kNoIcon,
     false, false},
    {"ForceShutdown", 0, 3, MenuForceShutdown,
     L"Wenn m\u00f6glich, Apps und &Komponenten beenden, die neu installiert werden sollen", false, kNoIcon,
     false, false},
    {"OnlySelected", 0, 4, MenuOnlySelected, L"Nur ausge&w\u00e4hlte Apps in den Listen anzeigen", false,
     kNoIcon, kChecked, false},
    separator("SecondSeparator", 5),
    {"ToolList", 0, 6, MenuToolList, L"&Tool-Liste der installierten Apps ins LOG \u00fcbernehmen", false,
     kIcon, false, false},
    {"PowerShellInstalled", 0, 7, MenuPowerShellInstalled,
     L"Powershell-Liste der &installierten Apps ins LOG \u00fcbernehmen", false, kIcon, false, false},
    {"PowerShellProvisioned", 0, 8, MenuPowerShellProvisioned,
     L"Powershell-Liste der &Provisioned Apps ins LOG \u00fcbernehmen", false, kIcon, false, false},
    {"SaveLog", 0, 9, MenuSaveLog, L"&Ablauflog abspeichern", false, kIcon, false, kGrayed},
    {"ClearLog", 0, 10, MenuClearLog, L"Ablaufverfolgung &leeren", false, kIcon, false, false},
    separator("ThirdSeparator", 11),
    {"Quit", 0, 12, MenuQuit, L"&beenden", false, kIcon, false, false},
    {"HelpFile", 1, 0, MenuHelpFile, L"&Hilfedatei aufrufen", false, kIcon, false, false},
    {"Questions", 1, 1, MenuQuestions, L"&Fragen zum Programm?", false, kIcon, false, false},
    {"About", 1, 2, MenuAbout, L"\u00fc&ber das Programm", false, kIcon, false, false},
};

// The probe reads the menus once for the whole suite.
template <class Base> class MenuTest : public SharedTandrelTest<Base> {
public:
    static void SetUpTestSuite() {
        SharedTandrelTest<Base>::SetUpTestSuite();
        report_ = readMenusWithProbe(SharedTandrelTest<Base>::app().process);
    }
    static void TearDownTestSuite() {
        report_.reset();
        SharedTandrelTest<Base>::TearDownTestSuite();
    }

protected:
    void SetUp() override {
        SharedTandrelTest<Base>::SetUp();
        ASSERT_TRUE(report_.has_value()) << "the menu probe gave no report";
    }
    static const tools::MenuReport& report() { return *report_; }

private:
    inline static std::optional<tools::MenuReport> report_;
};

using MenuBar = MenuTest<::testing::Test>;

TEST_F(MenuBar, HoldsProgrammWith13ItemsAndHilfeWith3) {
    ASSERT_EQ(report().menus.size(), 2u);
    EXPECT_EQ(report().menus[0].text, L"&Programm");
    EXPECT_EQ(report().menus[0].items.size(), 13u);
    EXPECT_EQ(report().menus[1].text, L"&Hilfe");
    EXPECT_EQ(report().menus[1].items.size(), 3u);
}

using MenuItem = MenuTest<::testing::TestWithParam<ExpectedItem>>;

TEST_P(MenuItem, StandsAtItsPlaceWithItsTextIconAndState) {
    const ExpectedItem& expected = GetParam();
    ASSERT_LT(expected.menu, report().menus.size());
    const std::vector<tools::MenuItemRecord>& items = report().menus[expected.menu].items;
    ASSERT_LT(expected.position, items.size());
    const tools::MenuItemRecord& item = items[expected.position];
    EXPECT_EQ(item.separator, expected.separator);
    if (expected.separator) {
        return;
    }
    EXPECT_EQ(item.id, expected.id);
    EXPECT_EQ(item.text, expected.text);
    EXPECT_TRUE(item.ownerDrawn) << "the item is drawn by Windows, so it shows no icon";
    EXPECT_EQ(item.icon, expected.icon) << "an icon handle in the item's data";
    EXPECT_EQ(item.checked, expected.checked);
    EXPECT_EQ(item.grayed, expected.grayed);
}

INSTANTIATE_TEST_SUITE_P(AtStartUp, MenuItem, ::testing::ValuesIn(kItems), test::CaseName());

using MenuCommand = SharedTandrelTest<>;

bool isChecked(const tools::MenuReport& report, int id) {
    for (const tools::MenuRecord& menu : report.menus) {
        for (const tools::MenuItemRecord& item : menu.items) {
            if (item.id == id) {
                return item.checked;
            }
        }
    }
    return false;
}

// Menu 109 only flips its own check mark: no other option changes and the status bar keeps its text.
TEST_F(MenuCommand, ForceShutdownTogglesOnlyItsCheckMark) {
    tools::MenuReport report;
    const auto checkedAfterChoosing = [&](bool wanted) {
        chooseMenuItem(app().mainWindow, MenuForceShutdown);
        return pollUntil([&] {
            report = readMenusWithProbe(app().process);
            return isChecked(report, MenuForceShutdown) == wanted;
        });
    };
    ASSERT_TRUE(checkedAfterChoosing(true)) << "item 109 did not get its check mark";
    EXPECT_TRUE(isChecked(report, MenuOnlySelected));
    EXPECT_FALSE(isChecked(report, MenuAdditionalPackages));
    EXPECT_EQ(app().statusText(), kReadyStatus);

    ASSERT_TRUE(checkedAfterChoosing(false)) << "item 109 kept its check mark";
    EXPECT_TRUE(isChecked(report, MenuOnlySelected));
    EXPECT_EQ(app().statusText(), kReadyStatus);
}

} // namespace
} // namespace tandrel::e2e
