#pragma once

#include "tests/e2e/child_process.h"
#include "tools/menu_probe/menu_report.h"

#include <filesystem>

namespace tandrel::e2e {

// Loads a fresh copy of the menu probe into `program` and returns what it read from the main
// window's menu bar. Throws DriverError when the probe cannot be loaded or writes no report in time.
tools::MenuReport readMenusWithProbe(const ChildProcess& program);

} // namespace tandrel::e2e
