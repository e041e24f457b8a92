#pragma once

#include <filesystem>
#include <optional>

// Where the tests find what they run. ctest hands the build outputs over in environment
// variables as Unix paths; Wine's drive Z: is the Unix root, so both kinds of path work.

namespace tandrel::e2e {

// TANDREL_EXE64: the program under test. Throws DriverError when it is not set.
std::filesystem::path tandrel64Path();
// TANDREL_EXE32: the i686 build, which only the hand-off test needs.
std::optional<std::filesystem::path> tandrel32Path();
// TANDREL_MENU_PROBE: the DLL the driver loads into the program to read its menus.
std::filesystem::path menuProbePath();
// TANDREL_POWERSHELL_STANDIN: the stand-in as built, before any test prefix holds a copy.
std::filesystem::path powerShellStandInPath();

// Where the program looks for PowerShell, in this prefix.
std::filesystem::path systemPowerShellPath();
// The program's job script: %APPDATA%\Tandrel\Tandrel.ps1.
std::filesystem::path jobScriptPath();

} // namespace tandrel::e2e
