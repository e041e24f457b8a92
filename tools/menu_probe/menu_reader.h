#pragma once

#include "tools/menu_probe/menu_report.h"

namespace tandrel::tools {

// Reads the menu bar of this process's main window: the visible top-level window that has a menu.
MenuReport readMainWindowMenus();

} // namespace tandrel::tools
