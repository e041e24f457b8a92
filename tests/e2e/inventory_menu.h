#pragma once

#include "tests/e2e/driver.h"
#include "tools/menu_probe/menu_report.h"

namespace tandrel::e2e {

// Menu item `id` of the running program as the menu probe reads it now; throws DriverError when
// the menus have no such item.
tools::MenuItemRecord readMenuItem(const RunningTandrel& app, int id);

} // namespace tandrel::e2e
