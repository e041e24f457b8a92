#include "app/main_window.h"

#include "app/commands.h"
#include "app/layout.h"
#include "app/state.h"
#include "app/window_content.h"
#include "inventory/lists.h"
#include "platform/platform.h"

namespace tandrel {
namespace {

constexpr Size kInitialClientSize{800, 560};

void createInPage(Ui& ui, std::initializer_list<Control> controls) {
    const Size panel = ui.outerSize(Control::TabPanel);
    const int listHeight = ui.outerSize(Control::InstalledList).height;
    for (Control c : controls) {
        ui.createControl(c, placeInPage(c, panel, listHeight));
    }
}

void createList(Ui& ui, Control list, std::span<const ListColumn> columns) {
    ui.createControl(list, placeInPage(list, ui.outerSize(Control::TabPanel), 0));
    ui.addColumns(list, columns);
}

} // namespace

void buildMainWindow(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.createMainWindow(state.windowTitle, kInitialClientSize);

    ui.createMenuBar(menuEntries());
    state.onlySelected = 1;

    state.statusText = L"Programm wird initialisiert...";
    ui.createStatusBar(state.statusText);

    const Size client = ui.clientSize();
    const int layoutHeight = client.height + ui.menuBarHeight();
    for (Control c : {Control::ForumLogo, Control::ForumLink, Control::TabPanel}) {
        ui.createControl(c, placeInWindow(c, client, layoutHeight));
    }

    ui.addTab(tabEntry(0));
    createList(ui, Control::InstalledList, installedColumns());
    createInPage(ui, {Control::InstalledField, Control::InstallButton, Control::UninstallButton,
                      Control::RepairButton});
    for (Control c : {Control::InstallButton, Control::UninstallButton, Control::RepairButton}) {
        ui.enableControl(c, false);
    }
    fillInstalledList(state, p);

    ui.loadRowIcons();
    ui.addTab(tabEntry(1));
    createList(ui, Control::ProvisionedList, provisionedColumns());
    createInPage(ui, {Control::ProvisionedField, Control::RemoveButton, Control::ProvisionedRepairButton});
    ui.enableControl(Control::RemoveButton, false);
    fillProvisionedList(state, p);

    ui.addTab(tabEntry(2));
    createInPage(ui, {Control::TraceLog});

    setStatusText(state, ui, L"Programm ist bereit!");
}

} // namespace tandrel
