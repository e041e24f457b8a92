#include "tests/e2e/inventory_menu.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/menu_probe_client.h"

#include <string>

namespace tandrel::e2e {
tools::MenuItemRecord readMenuItem(const RunningTandrel& app, int id) {
    const tools::MenuReport report = readMenusWithProbe(app.process);
    for (const tools::MenuRecord& menu : report.menus) {
        for (const tools::MenuItemRecord& item : menu.items) {
            if (!item.separator && item.id == id) {
                return item;
            }
        }
    }
    throw DriverError("the menus have no item " + std::to_string(id));
}

} // namespace tandrel::e2e
