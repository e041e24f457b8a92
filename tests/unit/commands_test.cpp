#include "app/commands.h"

#include "app/busy_state.h"
#include "app/event_loop.h"
#include "app/state.h"
#include "app/window_content.h"
#include "fake_platform.h"
#include "jobs/job_runner.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tandrel::test {
namespace {

Event menu(int id) {
    return {EventKind::Menu, Control::StatusBar, id};
}
Event control(Control c) {
    return {EventKind::Control, c, 0};
}

struct Shell : testing::Test {
    AppState state;
    FakePlatform fake;
    FakeUi& ui = fake.ui;
    Shell() {
        ui.createMenuBar(menuEntries());
        state.onlySelected = 1;
        ui.texts[Control::InstalledField] = L"installed";
        ui.texts[Control::ProvisionedField] = L"provisioned";
        ui.texts[Control::TraceLog] = L"log";
    }
    bool called(const std::string& call) const {
        return std::find(ui.calls.begin(), ui.calls.end(), call) != ui.calls.end();
    }
};

enum class Beeps { None, Ok, Information };

struct DispatchCase {
    const char* name;
    Event event;
    Beeps beep;
    bool locks;     // sets the busy state during its work
    bool startsJob; // stays busy until its PowerShell job has completed
};

class Dispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, beepsFirstAndLocksAsTheCommandSays) {
    const auto& c = GetParam();
    AppState state;
    FakePlatform fake;
    FakeUi& ui = fake.ui;
    ui.createMenuBar(menuEntries());
    ui.calls.clear();
    dispatchEvent(state, fake.platform, c.event);

    switch (c.beep) {
    case Beeps::None:
        EXPECT_TRUE(ui.beeps.empty());
        break;
    case Beeps::Ok:
        ASSERT_EQ(ui.beeps, std::vector<Beep>{Beep::Ok});
        EXPECT_EQ(ui.calls.front(), "beep ok");
        break;
    case Beeps::Information:
        EXPECT_EQ(ui.beeps, std::vector<Beep>{Beep::Information});
        break;
    }
    EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "menu 111 0"), c.locks ? 1 : 0);
    EXPECT_EQ(state.busy, c.startsJob);
    if (c.startsJob) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!state.job.done.load() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        completeJobIfDone(state, fake.platform);
        EXPECT_FALSE(state.busy);
    }
}

const DispatchCase kDispatchCases[] = {
    {"forumLink", control(Control::ForumLink), Beeps::Ok, false, false},
    {"installButton", control(Control::InstallButton), Beeps::Ok, true, true},
    {"uninstallButton", control(Control::UninstallButton), Beeps::Ok, true, true},
    {"repairButton", control(Control::RepairButton), Beeps::Ok, true, true},
    {"removeButton", control(Control::RemoveButton), Beeps::Ok, true, true},
    {"provisionedRepairButton", control(Control::ProvisionedRepairButton), Beeps::Ok, true, true},
    {"installedList", control(Control::InstalledList), Beeps::None, false, false},
    {"provisionedList", control(Control::ProvisionedList), Beeps::None, false, false},
    {"packageField", control(Control::InstalledField), Beeps::None, false, false},
    {"tabPanel", control(Control::TabPanel), Beeps::None, false, false},
    {"refresh", menu(MenuRefresh), Beeps::Ok, true, false},
    {"powerShellInstalled", menu(MenuPowerShellInstalled), Beeps::Ok, true, true},
    {"saveLog", menu(MenuSaveLog), Beeps::Ok, true, false},
    {"additionalPackages", menu(MenuAdditionalPackages), Beeps::Ok, true, false},
    {"toolList", menu(MenuToolList), Beeps::Ok, true, false},
    {"clearLog", menu(MenuClearLog), Beeps::Ok, true, false},
    {"powerShellProvisioned", menu(MenuPowerShellProvisioned), Beeps::Ok, true, true},
    {"forceShutdown", menu(MenuForceShutdown), Beeps::Ok, false, false},
    {"onlySelected", menu(MenuOnlySelected), Beeps::Ok, true, false},
    {"quit", menu(MenuQuit), Beeps::Information, false, false},
    {"helpFile", menu(MenuHelpFile), Beeps::Ok, false, false},
    {"about", menu(MenuAbout), Beeps::Ok, false, false},
    {"questions", menu(MenuQuestions), Beeps::Ok, false, false},
    {"close", {EventKind::Close, Control::StatusBar, 0}, Beeps::Information, false, false},
    {"size", {EventKind::Size, Control::StatusBar, 0}, Beeps::None, false, false},
    {"none", {}, Beeps::None, false, false},
};

INSTANTIATE_TEST_SUITE_P(Events, Dispatch, testing::ValuesIn(kDispatchCases), CaseName());

TEST_F(Shell, refreshEmptiesBothFieldsBeforeRefillingAndSaysSo) {
    dispatchEvent(state, fake.platform, menu(MenuRefresh));
    EXPECT_EQ(ui.texts[Control::InstalledField], L"");
    EXPECT_EQ(ui.texts[Control::ProvisionedField], L"");
    const auto provisioned = std::find(ui.calls.begin(), ui.calls.end(), "setText ProvisionedField");
    EXPECT_LT(provisioned, std::find(ui.calls.begin(), ui.calls.end(), "setText InstalledField"));
    EXPECT_EQ(state.statusText, L"Listen aktualisiert, Programm ist bereit!");
}

TEST_F(Shell, additionalPackagesTogglesItsCheckAndStatusButKeepsFields) {
    dispatchEvent(state, fake.platform, menu(MenuAdditionalPackages));
    EXPECT_EQ(state.additionalPackages, 1);
    EXPECT_TRUE(ui.menuChecked[MenuAdditionalPackages]);
    EXPECT_EQ(state.statusText, L"Das Anzeigen von Zusatzpaketen wurde aktiviert!");
    dispatchEvent(state, fake.platform, menu(MenuAdditionalPackages));
    EXPECT_EQ(state.additionalPackages, 0);
    EXPECT_FALSE(ui.menuChecked[MenuAdditionalPackages]);
    EXPECT_EQ(state.statusText, L"Das Anzeigen von Zusatzpaketen wurde deaktiviert!");
    EXPECT_EQ(ui.texts[Control::InstalledField], L"installed");
    EXPECT_EQ(ui.texts[Control::ProvisionedField], L"provisioned");
}

TEST_F(Shell, onlySelectedTogglesItsCheckAndLeavesTheStatusToTheFills) {
    dispatchEvent(state, fake.platform, menu(MenuOnlySelected));
    EXPECT_EQ(state.onlySelected, 0);
    EXPECT_FALSE(ui.menuChecked[MenuOnlySelected]);
    dispatchEvent(state, fake.platform, menu(MenuOnlySelected));
    EXPECT_EQ(state.onlySelected, 1);
    EXPECT_TRUE(ui.menuChecked[MenuOnlySelected]);
    const std::vector<std::wstring> fills = {L"liste installierte Apps...", L"liste vorinstallierte Apps..."};
    EXPECT_EQ(ui.statusTexts, (std::vector<std::wstring>{fills[0], fills[1], fills[0], fills[1]}));
    EXPECT_EQ(ui.texts[Control::InstalledField], L"installed");
}

TEST_F(Shell, forceShutdownChangesOnlyItsCheckMark) {
    ui.calls.clear();
    dispatchEvent(state, fake.platform, menu(MenuForceShutdown));
    EXPECT_EQ(state.forceShutdown, 1);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"beep ok", "check 109 1"}));
}

TEST_F(Shell, listSelectionCopiesTheNamedColumnOrEmptiesTheField) {
    ui.rows[Control::InstalledList] = {{L"News", L"Microsoft.BingNews", L"Microsoft.BingNews_4.1_x64__8we"}};
    ui.rows[Control::ProvisionedList] = {{L"News", L"Microsoft.BingNews_2022.1_neutral_~_8we", L"short"}};
    ui.selected[Control::InstalledList] = 0;
    ui.selected[Control::ProvisionedList] = 0;
    dispatchEvent(state, fake.platform, control(Control::InstalledList));
    dispatchEvent(state, fake.platform, control(Control::ProvisionedList));
    EXPECT_EQ(ui.texts[Control::InstalledField], L"Microsoft.BingNews_4.1_x64__8we");
    EXPECT_EQ(ui.texts[Control::ProvisionedField], L"Microsoft.BingNews_2022.1_neutral_~_8we");

    ui.selected.clear();
    dispatchEvent(state, fake.platform, control(Control::InstalledList));
    EXPECT_EQ(ui.texts[Control::InstalledField], L"");
    EXPECT_EQ(ui.texts[Control::ProvisionedField], L"Microsoft.BingNews_2022.1_neutral_~_8we");
}

TEST_F(Shell, sizeEventLaysTheWindowOutAgain) {
    ui.client = {1000, 700 - ui.menuBar};
    dispatchEvent(state, fake.platform, {EventKind::Size, Control::StatusBar, 0});
    EXPECT_EQ(ui.places[Control::TabPanel], (Rect{10, 10, 980, 555}));
}

TEST_F(Shell, loopWaitsAtMostASecondAndEndsOnlyAfterTheQuittingPass) {
    ui.events = {{}, {}, menu(MenuQuit), menu(MenuRefresh)};
    ui.texts[Control::InstalledField] = L"";
    ui.enabled[Control::InstallButton] = true;
    runEventLoop(state, fake.platform);
    EXPECT_TRUE(state.quit);
    EXPECT_EQ(ui.waits, (std::vector<unsigned>{1000, 1000, 1000}));
    // The quitting pass still applied the after-event rule; the later event was never taken.
    EXPECT_FALSE(ui.enabled[Control::InstallButton]);
    EXPECT_EQ(ui.events.size(), 1u);
}

TEST_F(Shell, closeIsTakenWhileBusy) {
    setBusy(state, ui, true);
    ui.events = {{EventKind::Close, Control::StatusBar, 0}};
    runEventLoop(state, fake.platform);
    EXPECT_TRUE(state.quit);
}

TEST_F(Shell, handlerThatUnlocksLetsTheSamePassDisableButtonsOfEmptyFields) {
    ui.texts[Control::InstalledField] = L"";
    ui.events = {menu(MenuRefresh)};
    eventLoopPass(state, fake.platform);
    EXPECT_FALSE(ui.enabled[Control::InstallButton]);
    EXPECT_FALSE(ui.enabled[Control::RemoveButton]);
    EXPECT_TRUE(ui.enabled[Control::InstalledList]);
}

TEST_F(Shell, statusTextGoesToBarAndState) {
    setStatusText(state, ui, L"Programm ist bereit!");
    EXPECT_EQ(state.statusText, L"Programm ist bereit!");
    EXPECT_EQ(ui.statusTexts.back(), L"Programm ist bereit!");
}

} // namespace
} // namespace tandrel::test
