#include "app/busy_state.h"

#include "app/state.h"
#include "app/window_content.h"
#include "fake_ui.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

const Control kLocked[] = {
    Control::InstalledList,    Control::InstalledField, Control::InstallButton,
    Control::UninstallButton,  Control::RepairButton,   Control::ProvisionedList,
    Control::ProvisionedField, Control::RemoveButton,   Control::ProvisionedRepairButton,
    Control::TraceLog};
const int kProgramMenu[] = {
    MenuRefresh,  MenuPowerShellInstalled,   MenuSaveLog,       MenuAdditionalPackages, MenuToolList,
    MenuClearLog, MenuPowerShellProvisioned, MenuForceShutdown, MenuOnlySelected,       MenuQuit};

struct BusyFixture : testing::Test {
    AppState state;
    FakeUi ui;
    BusyFixture() { ui.createMenuBar(menuEntries()); }
};

TEST_F(BusyFixture, onLocksControlsAndTheProgramMenuButNotTheHelpMenu) {
    ui.texts[Control::TraceLog] = L"x";
    setBusy(state, ui, true);
    EXPECT_TRUE(state.busy);
    for (Control c : kLocked) {
        EXPECT_FALSE(ui.enabled[c]) << controlName(c);
    }
    for (int id : kProgramMenu) {
        EXPECT_FALSE(ui.menuEnabled[id]) << id;
    }
    for (int id : {MenuHelpFile, MenuAbout, MenuQuestions}) {
        EXPECT_TRUE(ui.menuEnabled[id]) << id;
    }
    for (Control c : {Control::TabPanel, Control::ForumLogo, Control::ForumLink}) {
        EXPECT_EQ(ui.enabled.count(c), 0u) << controlName(c);
    }
}

TEST_F(BusyFixture, offUnlocksEverythingAndSaveOnlyWithATraceLog) {
    setBusy(state, ui, true);
    setBusy(state, ui, false);
    EXPECT_FALSE(state.busy);
    for (Control c : kLocked) {
        EXPECT_TRUE(ui.enabled[c]) << controlName(c);
    }
    for (int id : kProgramMenu) {
        EXPECT_EQ(ui.menuEnabled[id], id != MenuSaveLog) << id;
    }

    ui.texts[Control::TraceLog] = L"Output:";
    setBusy(state, ui, false);
    EXPECT_TRUE(ui.menuEnabled[MenuSaveLog]);
}

TEST_F(BusyFixture, walksControlsThenMenuInItsOrder) {
    setBusy(state, ui, true);
    const std::vector<std::string> expected = {"enable InstalledList 0",
                                               "enable InstalledField 0",
                                               "enable InstallButton 0",
                                               "enable UninstallButton 0",
                                               "enable RepairButton 0",
                                               "enable ProvisionedList 0",
                                               "enable ProvisionedField 0",
                                               "enable RemoveButton 0",
                                               "enable ProvisionedRepairButton 0",
                                               "enable TraceLog 0",
                                               "menu 101 0",
                                               "menu 102 0",
                                               "menu 104 0",
                                               "menu 105 0",
                                               "menu 106 0",
                                               "menu 107 0",
                                               "menu 108 0",
                                               "menu 109 0",
                                               "menu 110 0",
                                               "menu 104 0",
                                               "menu 111 0"};
    ui.calls.clear();
    setBusy(state, ui, true);
    EXPECT_EQ(ui.calls, expected);
}

struct RuleCase {
    const char* name;
    const wchar_t* installedField;
    const wchar_t* provisionedField;
    bool busy;
    bool buttonsBefore; // what the buttons were before the rule ran
    bool installedButtons;
    bool provisionedButtons;
};

class AfterEventRule : public testing::TestWithParam<RuleCase> {};

TEST_P(AfterEventRule, setsButtonsByTheirFieldAndTheBusyFlag) {
    const auto& c = GetParam();
    AppState state;
    state.busy = c.busy;
    FakeUi ui;
    ui.texts[Control::InstalledField] = c.installedField;
    ui.texts[Control::ProvisionedField] = c.provisionedField;
    for (Control b : {Control::InstallButton, Control::UninstallButton, Control::RepairButton,
                      Control::RemoveButton, Control::ProvisionedRepairButton}) {
        ui.enabled[b] = c.buttonsBefore;
    }
    applyAfterEventRule(state, ui);
    for (Control b : {Control::InstallButton, Control::UninstallButton, Control::RepairButton}) {
        EXPECT_EQ(ui.enabled[b], c.installedButtons) << controlName(b);
    }
    for (Control b : {Control::RemoveButton, Control::ProvisionedRepairButton}) {
        EXPECT_EQ(ui.enabled[b], c.provisionedButtons) << controlName(b);
    }
}

const RuleCase kRuleCases[] = {
    {"bothEmptyDisable", L"", L"", false, true, false, false},
    {"textEnables", L"Microsoft.BingNews_4.1_x64__8wekyb3d8bbwe", L"x", false, false, true, true},
    {"onlySpacesCountsAsText", L" ", L"  ", false, false, true, true},
    {"onlyInstalledFieldFilled", L"a", L"", false, false, true, false},
    {"busyKeepsDisabledButtonsDisabled", L"a", L"b", true, false, false, false},
    {"busyLeavesEnabledButtonsAlone", L"a", L"b", true, true, true, true},
    {"busyStillDisablesForEmptyFields", L"", L"", true, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(Fields, AfterEventRule, testing::ValuesIn(kRuleCases), CaseName());

} // namespace
} // namespace tandrel::test
