#pragma once

#include <windows.h>

#include <filesystem>

namespace tandrel::tools {

// Full path of a loaded module; nullptr names the running executable.
std::filesystem::path modulePath(HMODULE module);

} // namespace tandrel::tools
