#include "app/program.h"

#include "app/state.h"
#include "fake_platform.h"

#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandrel::test {
namespace {

struct Startup : testing::Test {
    FakePlatform fake;
    AppState state;
    Startup() { fake.ui.events = {{EventKind::Menu, Control::StatusBar, MenuQuit}}; }

    int run() { return runProgram(state, fake.platform); }
    // The calls from the first one that starts with `from` up to and including `to`.
    std::vector<std::string> callsBetween(const std::string& from, const std::string& to) const {
        const auto& c = fake.ui.calls;
        const auto first = std::find(c.begin(), c.end(), from);
        const auto last = std::find(first, c.end(), to);
        return {first, last == c.end() ? last : last + 1};
    }
    bool called(const std::string& call) const {
        return std::find(fake.ui.calls.begin(), fake.ui.calls.end(), call) != fake.ui.calls.end();
    }
};

TEST_F(Startup, runsTheWholeSequenceAndDeletesTheJobScriptAtTheEnd) {
    fake.files.present.insert(L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1");
    EXPECT_EQ(run(), 0);

    EXPECT_EQ(fake.ui.calls.front(), "initialise");
    const std::vector<std::string> early = {
        "loadLibrary C:\\Windows\\system32\\Shell32.dll",
        "delete C:\\Tools\\Tandrel64.exe:Zone.Identifier",
        "delete C:\\Tools\\TandrelHelp.chm:Zone.Identifier",
        "mkdir C:\\Users\\test\\AppData\\Roaming\\Tandrel",
        "createMainWindow",
    };
    EXPECT_EQ(std::vector<std::string>(fake.ui.calls.begin() + 1, fake.ui.calls.begin() + 6), early);
    const std::vector<std::string> end = {
        "releaseImages", "delete C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1", "shutdown"};
    EXPECT_EQ(std::vector<std::string>(fake.ui.calls.end() - 3, fake.ui.calls.end()), end);
    EXPECT_FALSE(fake.files.exists(L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1"));

    // The snapshot comes after the busy state is left and before the first event.
    const auto& c = fake.ui.calls;
    const auto snapshot =
        std::find(c.begin(), c.end(), "write C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel1.txt");
    EXPECT_LT(std::find(c.begin(), c.end(), "menu 111 1"), snapshot);
    EXPECT_LT(snapshot, std::find(c.begin(), c.end(), "beep information"));
    EXPECT_EQ(fake.ui.title, L"Tandrel 64Bit (@Ulvar) Version 2,1,2,151");
    EXPECT_EQ(state.powerShellPath, L"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe");
    EXPECT_EQ(state.runnerPowerShellPath, state.powerShellPath);
    EXPECT_EQ(state.programFolder, L"C:\\Tools\\");
    EXPECT_EQ(state.programFilePath, L"C:\\Tools\\Tandrel64.exe");
    EXPECT_EQ(state.jobScriptPath, L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel.ps1");
    EXPECT_EQ(state.snapshotPath, L"C:\\Users\\test\\AppData\\Roaming\\Tandrel\\Tandrel1.txt");
    EXPECT_EQ(state.registryViewFlag, 0u);
    EXPECT_TRUE(state.elevated);
}

TEST_F(Startup, buildsTheWindowInItsOrderThenLeavesTheBusyState) {
    run();
    const std::vector<std::string> build = {
        "createMainWindow",
        "createMenuBar",
        "createStatusBar",
        "create ForumLogo",
        "create ForumLink",
        "create TabPanel",
        "tab 0",
        "create InstalledList",
        "columns InstalledList",
        "create InstalledField",
        "create InstallButton",
        "create UninstallButton",
        "create RepairButton",
        "enable InstallButton 0",
        "enable UninstallButton 0",
        "enable RepairButton 0",
        "status",
        "clear InstalledList",
        "enable InstallButton 0",
        "enable UninstallButton 0",
        "loadRowIcons",
        "tab 1",
        "create ProvisionedList",
        "columns ProvisionedList",
        "create ProvisionedField",
        "create RemoveButton",
        "create ProvisionedRepairButton",
        "enable RemoveButton 0",
        "status",
        "clear ProvisionedList",
        "tab 2",
        "create TraceLog",
        "status",
        "enable InstalledList 1",
    };
    EXPECT_EQ(callsBetween("createMainWindow", "enable InstalledList 1"), build);
    EXPECT_EQ(fake.ui.statusTexts,
              (std::vector<std::wstring>{L"Programm wird initialisiert...", L"liste installierte Apps...",
                                         L"liste vorinstallierte Apps...", L"Programm ist bereit!"}));
    EXPECT_EQ(state.onlySelected, 1);
    EXPECT_EQ(state.additionalPackages, 0);
    EXPECT_EQ(state.forceShutdown, 0);
    // Created at the formula places of an 800 x 560 window.
    EXPECT_EQ(fake.ui.places[Control::ForumLogo], (Rect{10, 455, 177, 55}));
    EXPECT_EQ(fake.ui.places[Control::InstalledField], (Rect{10, 305, 450, 25}));
    EXPECT_EQ(fake.ui.places[Control::TraceLog], (Rect{20, 20, 730, 335}));
    // Leaving the busy state with an empty trace log keeps saving greyed.
    EXPECT_FALSE(fake.ui.menuEnabled[MenuSaveLog]);
    EXPECT_TRUE(fake.ui.menuEnabled[MenuRefresh]);
}

struct EarlyEnd {
    const char* name;
    void (*arrange)(FakePlatform&);
    const wchar_t* title;
    const wchar_t* text;
};

class EarlyEnds : public testing::TestWithParam<EarlyEnd> {};

TEST_P(EarlyEnds, showTheirBoxAndNoWindow) {
    FakePlatform fake;
    GetParam().arrange(fake);
    AppState state;
    EXPECT_EQ(runProgram(state, fake.platform), 0);
    ASSERT_EQ(fake.ui.errorBoxes.size(), 1u);
    EXPECT_EQ(fake.ui.errorBoxes[0].first, GetParam().title);
    EXPECT_EQ(fake.ui.errorBoxes[0].second, GetParam().text);
    EXPECT_EQ(fake.ui.title, L"");
    EXPECT_EQ(fake.ui.calls.back(), "shutdown");
    EXPECT_EQ(std::count(fake.ui.calls.begin(), fake.ui.calls.end(), "releaseImages"), 0);
}

const EarlyEnd kEarlyEnds[] = {
    {"windows7",
     [](FakePlatform& f) {
         f.system.version = OsVersion{6, 1, 2, 1};
     },
     L"Oh - das geht nicht!", L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht!"},
    {"noPowerShell", [](FakePlatform& f) { f.files.present.clear(); }, L"Oh - es ist ein Fehler passiert!",
     L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht! Powershell konnte nicht gefunden werden!"},
    // A PowerShell elsewhere does not count.
    {"powerShellElsewhere",
     [](FakePlatform& f) {
         f.files.present = {L"C:\\Windows\\SysWOW64\\WindowsPowerShell\\V1.0\\Powershell.exe"};
     },
     L"Oh - es ist ein Fehler passiert!",
     L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht! Powershell konnte nicht gefunden werden!"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, EarlyEnds, testing::ValuesIn(kEarlyEnds), CaseName());

TEST_F(Startup, underWow64HandsOffToThe64BitProgramWithoutAWindow) {
    fake.system.wow64 = true;
    fake.system.module = L"C:\\Tools\\Tandrel.exe";
    fake.files.present = {L"C:\\WINDOWS\\Sysnative\\WINDOWSPOWERSHELL\\V1.0\\POWERSHELL.EXE"};
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(state.registryViewFlag, 256u);
    EXPECT_EQ(state.runnerPowerShellPath, L"C:\\WINDOWS\\Sysnative\\WINDOWSPOWERSHELL\\V1.0\\POWERSHELL.EXE");
    const std::vector<std::string> handOff = {
        "delete C:\\Tools\\Tandrel.exe:Zone.Identifier", "delete C:\\Tools\\TandrelHelp.chm:Zone.Identifier",
        "delete C:\\Tools\\Tandrel64.exe:Zone.Identifier", "open C:\\Tools\\Tandrel64.exe", "shutdown"};
    EXPECT_EQ(std::vector<std::string>(fake.ui.calls.end() - 5, fake.ui.calls.end()), handOff);
    EXPECT_FALSE(called("createMainWindow"));
}

TEST_F(Startup, aMissingFileVersionLeavesTheTitleEndingInVersion) {
    fake.versions.hasResource = false;
    run();
    EXPECT_EQ(fake.ui.title, L"Tandrel 64Bit (@Ulvar) Version ");
}

TEST_F(Startup, aProgramFolderWithoutBackslashGetsOne) {
    fake.system.module = L"Tandrel64.exe";
    run();
    EXPECT_EQ(state.programFolder, L"\\");
    EXPECT_TRUE(called("delete Tandrel64.exe:Zone.Identifier"));
    EXPECT_TRUE(called("delete \\TandrelHelp.chm:Zone.Identifier"));
}

TEST_F(Startup, anUnresolvableRoamingFolderPutsTheWorkFolderAtTheRoot) {
    fake.shell.appData = L"";
    fake.system.admin = false;
    run();
    EXPECT_EQ(state.workFolder, L"\\Tandrel");
    EXPECT_TRUE(called("mkdir \\Tandrel"));
    EXPECT_FALSE(state.elevated);
}

} // namespace
} // namespace tandrel::test
