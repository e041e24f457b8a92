#include "app/commands.h"

#include "app/busy_state.h"
#include "app/layout.h"
#include "app/state.h"
#include "info/openers.h"
#include "inventory/lists.h"
#include "jobs/package_commands.h"
#include "log/log_commands.h"
#include "platform/platform.h"

namespace tandrel {

void setStatusText(AppState& state, Ui& ui, const std::wstring& text) {
    state.statusText = text;
    ui.setStatusText(text);
}

namespace {

void selectListRow(Ui& ui, Control list, Control field, int column) {
    const int row = ui.selectedRow(list);
    ui.setText(field, row < 0 ? std::wstring() : ui.cellText(list, row, column));
}

void refillLists(AppState& state, Platform& p) {
    fillInstalledList(state, p);
    fillProvisionedList(state, p);
}

int toggled(int option) {
    return option != 0 ? 0 : 1;
}

void refresh(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    ui.setText(Control::ProvisionedField, L"");
    ui.setText(Control::InstalledField, L"");
    refillLists(state, p);
    setStatusText(state, ui, L"Listen aktualisiert, Programm ist bereit!");
    setBusy(state, ui, false);
}

void toggleAdditionalPackages(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    state.additionalPackages = toggled(state.additionalPackages);
    ui.setMenuChecked(MenuAdditionalPackages, state.additionalPackages != 0);
    refillLists(state, p);
    setStatusText(state, ui,
                  state.additionalPackages != 0 ? L"Das Anzeigen von Zusatzpaketen wurde aktiviert!"
                                                : L"Das Anzeigen von Zusatzpaketen wurde deaktiviert!");
    setBusy(state, ui, false);
}

void toggleOnlySelected(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    state.onlySelected = toggled(state.onlySelected);
    ui.setMenuChecked(MenuOnlySelected, state.onlySelected != 0);
    refillLists(state, p);
    setBusy(state, ui, false);
}

// Takes effect with the next install or repair; nothing to lock or refill.
void toggleForceShutdown(AppState& state, Ui& ui) {
    ui.beep(Beep::Ok);
    state.forceShutdown = toggled(state.forceShutdown);
    ui.setMenuChecked(MenuForceShutdown, state.forceShutdown != 0);
}

void quit(AppState& state, Ui& ui) {
    ui.beep(Beep::Information);
    state.quit = true;
}

void onControl(AppState& state, Platform& p, Control control) {
    Ui& ui = p.ui;
    switch (control) {
    case Control::InstalledList:
        selectListRow(ui, Control::InstalledList, Control::InstalledField, 2);
        break;
    case Control::ProvisionedList:
        selectListRow(ui, Control::ProvisionedList, Control::ProvisionedField, 1);
        break;
    case Control::ForumLink:
        openHomePage(state, p);
        break;
    case Control::InstallButton:
        runJobCommand(state, p, JobKind::Install, Control::InstalledField);
        break;
    case Control::UninstallButton:
        runJobCommand(state, p, JobKind::Uninstall, Control::InstalledField);
        break;
    case Control::RepairButton:
        runJobCommand(state, p, JobKind::Repair, Control::InstalledField);
        break;
    case Control::RemoveButton:
        runJobCommand(state, p, JobKind::RemoveProvisioned, Control::ProvisionedField);
        break;
    case Control::ProvisionedRepairButton:
        runJobCommand(state, p, JobKind::Repair, Control::ProvisionedField);
        break;
    default:
        break;
    }
}

void onMenu(AppState& state, Platform& p, int id) {
    Ui& ui = p.ui;
    switch (id) {
    case MenuRefresh:
        refresh(state, p);
        break;
    case MenuAdditionalPackages:
        toggleAdditionalPackages(state, p);
        break;
    case MenuForceShutdown:
        toggleForceShutdown(state, ui);
        break;
    case MenuOnlySelected:
        toggleOnlySelected(state, p);
        break;
    case MenuQuit:
        quit(state, ui);
        break;
    case MenuSaveLog:
        saveTraceLog(state, p);
        break;
    case MenuToolList:
        copyToolListToLog(state, p);
        break;
    case MenuClearLog:
        clearLog(state, p);
        break;
    case MenuPowerShellInstalled:
        runJobCommand(state, p, JobKind::ListInstalled, std::nullopt);
        break;
    case MenuPowerShellProvisioned:
        runJobCommand(state, p, JobKind::ListProvisioned, std::nullopt);
        break;
    case MenuHelpFile:
        openHelpFile(state, p);
        break;
    case MenuAbout:
        showAbout(p);
        break;
    case MenuQuestions:
        openQuestionsPage(state, p);
        break;
    default:
        break;
    }
}

} // namespace

void dispatchEvent(AppState& state, Platform& p, const Event& event) {
    Ui& ui = p.ui;
    switch (event.kind) {
    case EventKind::Control:
        onControl(state, p, event.control);
        break;
    case EventKind::Menu:
        onMenu(state, p, event.menuId);
        break;
    case EventKind::Close:
        state.quit = true;
        ui.beep(Beep::Information);
        break;
    case EventKind::Size:
        relayout(ui);
        break;
    case EventKind::None:
        break;
    }
}

} // namespace tandrel
