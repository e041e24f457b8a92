#include "app/layout.h"

#include "platform/ui.h"

#include <cstdlib>

namespace tandrel {

Rect placeInWindow(Control control, Size client, int layoutHeight) {
    const int h = layoutHeight;
    switch (control) {
    case Control::ForumLogo:
        return {10, std::abs(h - 105), 177, 55};
    case Control::ForumLink:
        return {220, std::abs(h - 85), 250, 40};
    case Control::TabPanel:
        return {10, 10, std::abs(client.width - 20), std::abs(h - 145)};
    default:
        return {};
    }
}

Rect placeInPage(Control control, Size panel, int listHeight) {
    const int l = listHeight;
    switch (control) {
    case Control::InstalledList:
    case Control::ProvisionedList:
        return {10, 10, std::abs(panel.width - 30), std::abs(panel.height - 160)};
    case Control::InstalledField:
    case Control::ProvisionedField:
        return {10, std::abs(l + 50), 450, 25};
    case Control::InstallButton:
        return {520, std::abs(l + 20), 100, 25};
    case Control::UninstallButton:
        return {520, std::abs(l + 50), 100, 25};
    case Control::RepairButton:
        return {520, std::abs(l + 80), 100, 25};
    case Control::RemoveButton:
        return {500, std::abs(l + 35), 100, 25};
    case Control::ProvisionedRepairButton:
        return {500, std::abs(l + 65), 100, 25};
    case Control::TraceLog:
        return {20, 20, std::abs(panel.width - 50), std::abs(panel.height - 80)};
    default:
        return {};
    }
}

void relayout(Ui& ui) {
    ui.redockStatusBar();
    const Size client = ui.clientSize();
    const int layoutHeight = client.height + ui.menuBarHeight();
    for (Control c : {Control::ForumLink, Control::TabPanel, Control::ForumLogo}) {
        ui.moveControl(c, placeInWindow(c, client, layoutHeight));
    }
    // Page controls follow the panel and the list as they really turned out.
    const Size panel = ui.outerSize(Control::TabPanel);
    ui.moveControl(Control::InstalledList, placeInPage(Control::InstalledList, panel, 0));
    const int listHeight = ui.outerSize(Control::InstalledList).height;
    for (Control c : {Control::InstalledField, Control::InstallButton, Control::UninstallButton,
                      Control::RepairButton, Control::ProvisionedList, Control::ProvisionedField,
                      Control::RemoveButton, Control::ProvisionedRepairButton, Control::TraceLog}) {
        ui.moveControl(c, placeInPage(c, panel, listHeight));
    }
}

} // namespace tandrel
