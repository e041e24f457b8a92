#include "app/busy_state.h"

#include "app/state.h"
#include "platform/ui.h"

namespace tandrel {

void setBusy(AppState& state, Ui& ui, bool on) {
    for (Control c :
         {Control::InstalledList, Control::InstalledField, Control::InstallButton, Control::UninstallButton,
          Control::RepairButton, Control::ProvisionedList, Control::ProvisionedField, Control::RemoveButton,
          Control::ProvisionedRepairButton, Control::TraceLog}) {
        ui.enableControl(c, !on);
    }
    for (int id : {MenuRefresh, MenuPowerShellInstalled, MenuSaveLog, MenuAdditionalPackages, MenuToolList,
                   MenuClearLog, MenuPowerShellProvisioned, MenuForceShutdown, MenuOnlySelected}) {
        ui.enableMenuItem(id, !on);
    }
    // An empty trace log has nothing to save, busy or not.
    if (ui.textLength(Control::TraceLog) == 0) {
        ui.enableMenuItem(MenuSaveLog, false);
    }
    ui.enableMenuItem(MenuQuit, !on);
    state.busy = on;
}

namespace {

void applyToButtons(const AppState& state, Ui& ui, Control field, std::initializer_list<Control> buttons) {
    if (ui.textLength(field) == 0) {
        for (Control b : buttons) {
            ui.enableControl(b, false);
        }
    } else if (!state.busy) {
        for (Control b : buttons) {
            ui.enableControl(b, true);
        }
    }
}

} // namespace

void applyAfterEventRule(const AppState& state, Ui& ui) {
    applyToButtons(state, ui, Control::ProvisionedField,
                   {Control::RemoveButton, Control::ProvisionedRepairButton});
    applyToButtons(state, ui, Control::InstalledField,
                   {Control::InstallButton, Control::UninstallButton, Control::RepairButton});
}

} // namespace tandrel
