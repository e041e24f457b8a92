#include "app/window_content.h"

#include <array>

namespace tandrel {
namespace {

constexpr MenuIcon kNoIcon{};
constexpr MenuIcon shell32(int id) {
    return {IconSource::Shell32, id};
}

constexpr std::array kMenu{
    MenuEntry{MenuEntryKind::Popup, 0, L"&Programm", kNoIcon, false},
    MenuEntry{MenuEntryKind::Command, MenuRefresh, L"Listen &aktualisieren", shell32(47), false},
    MenuEntry{MenuEntryKind::Separator, 0, L"", kNoIcon, false},
    MenuEntry{MenuEntryKind::Check, MenuAdditionalPackages, L"auch &Zusatzpakete anzeigen", kNoIcon, false},
    MenuEntry{MenuEntryKind::Check, MenuForceShutdown,
              L"Wenn m\u00f6glich, Apps und &Komponenten beenden, die neu installiert werden sollen", kNoIcon,
              false},
    MenuEntry{MenuEntryKind::Check, MenuOnlySelected, L"Nur ausge&w\u00e4hlte Apps in den Listen anzeigen",
              kNoIcon, true},
    MenuEntry{MenuEntryKind::Separator, 0, L"", kNoIcon, false},
    MenuEntry{MenuEntryKind::Command, MenuToolList,
              L"&Tool-Liste der installierten Apps ins LOG \u00fcbernehmen", shell32(2), false},
    MenuEntry{MenuEntryKind::Command, MenuPowerShellInstalled,
              L"Powershell-Liste der &installierten Apps ins LOG \u00fcbernehmen", shell32(2), false},
    MenuEntry{MenuEntryKind::Command, MenuPowerShellProvisioned,
              L"Powershell-Liste der &Provisioned Apps ins LOG \u00fcbernehmen", shell32(2), false},
    MenuEntry{MenuEntryKind::Command, MenuSaveLog, L"&Ablauflog abspeichern", shell32(40), false},
    MenuEntry{MenuEntryKind::Command, MenuClearLog, L"Ablaufverfolgung &leeren", shell32(240), false},
    MenuEntry{MenuEntryKind::Separator, 0, L"", kNoIcon, false},
    MenuEntry{MenuEntryKind::Command, MenuQuit, L"&beenden", shell32(28), false},
    MenuEntry{MenuEntryKind::Popup, 0, L"&Hilfe", kNoIcon, false},
    MenuEntry{MenuEntryKind::Command,
              MenuHelpFile,
              L"&Hilfedatei aufrufen",
              {IconSource::SystemQuestion, 0},
              false},
    MenuEntry{MenuEntryKind::Command, MenuQuestions, L"&Fragen zum Programm?", shell32(14), false},
    MenuEntry{MenuEntryKind::Command,
              MenuAbout,
              L"\u00fc&ber das Programm",
              {IconSource::SystemInformation, 0},
              false},
};

constexpr std::array kInstalledColumns{
    ListColumn{L"Anwendungsname der App", 270},
    ListColumn{L"Kurzer Paketname der App", 200},
    ListColumn{L"Vollst\u00e4ndiger Paketname der App", 420},
    ListColumn{L"Installationspfad", 480},
    ListColumn{L"Familienname", 400},
    ListColumn{L"Manifestpfad", 480},
};

constexpr std::array kProvisionedColumns{
    ListColumn{L"Anwendungsname der App", 150},
    ListColumn{L"Langer Paketname", 420},
    ListColumn{L"Kurzer Paketname", 200},
    ListColumn{L"Manifestpfad", 810},
};

constexpr std::array kTabs{
    TabEntry{0, L"Installierte Pakete", 43},
    TabEntry{1, L"Mitinstallierte Apps", 45},
    TabEntry{2, L"Ablaufverfolgung", 2},
};

} // namespace

std::span<const MenuEntry> menuEntries() {
    return kMenu;
}
std::span<const ListColumn> installedColumns() {
    return kInstalledColumns;
}
std::span<const ListColumn> provisionedColumns() {
    return kProvisionedColumns;
}
const TabEntry& tabEntry(int index) {
    return kTabs.at(static_cast<size_t>(index));
}

const wchar_t* controlText(Control control) {
    switch (control) {
    case Control::InstallButton:
        return L"&installieren!";
    case Control::UninstallButton:
        return L"&deinstallieren!";
    case Control::RepairButton:
    case Control::ProvisionedRepairButton:
        return L"&reparieren!";
    case Control::RemoveButton:
        return L"&entfernen!";
    case Control::ForumLink:
        return L"Korbin-PC-Forum";
    default:
        return L"";
    }
}

} // namespace tandrel
