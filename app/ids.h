#pragma once

// Identifiers shared by the program, its Windows layer and the test driver.

namespace tandrel {

enum MenuId : int {
    MenuRefresh = 101,
    MenuPowerShellInstalled = 102,
    MenuSaveLog = 104,
    MenuAdditionalPackages = 105,
    MenuToolList = 106,
    MenuClearLog = 107,
    MenuPowerShellProvisioned = 108,
    MenuForceShutdown = 109,
    MenuOnlySelected = 110,
    MenuQuit = 111,
    MenuHelpFile = 201,
    MenuAbout = 202,
    MenuQuestions = 203,
};

// Every control of the main window. The order is the order in which the busy
// state walks them, followed by those it leaves alone.
enum class Control : int {
    InstalledList,
    InstalledField,
    InstallButton,
    UninstallButton,
    RepairButton,
    ProvisionedList,
    ProvisionedField,
    RemoveButton,
    ProvisionedRepairButton,
    TraceLog,
    TabPanel,
    ForumLogo,
    ForumLink,
    StatusBar,
};
inline constexpr int kControlCount = static_cast<int>(Control::StatusBar) + 1;

// Window ids of the controls, so that a driver can find them with GetDlgItem
// on their parent. The status bar's id is the one Windows tools expect.
inline constexpr int controlWindowId(Control c) {
    return c == Control::StatusBar ? 2701 : 1000 + static_cast<int>(c);
}

enum class EventKind : int {
    None = 0,
    Control = 13100,
    Menu = 13101,
    Close = 13116,
    Size = 13118,
};

struct Event {
    EventKind kind = EventKind::None;
    Control control = Control::StatusBar; // with EventKind::Control
    int menuId = 0;                       // with EventKind::Menu
};

} // namespace tandrel
