#pragma once

#include "platform/system_info.h"

#include <optional>

namespace tandrel {

// False only for the Windows versions the program is known not to run on;
// a version it cannot classify, or none at all, counts as supported.
bool isSupportedWindows(const std::optional<OsVersion>& version);

} // namespace tandrel
