#include "tests/e2e/test_environment.h"

#include "tests/e2e/driver_error.h"
#include "tools/common/utf8.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

namespace tandrel::e2e {
namespace {

std::optional<std::filesystem::path> fromEnvironment(const char* name) {
    const std::wstring wideName = tools::fromUtf8(name);
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (length <= 1) {
        return std::nullopt;
    }
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), length));
    if (value.front() == L'/') {
        value.insert(0, L"Z:");
    }
    return std::filesystem::path(value).make_preferred();
}

std::filesystem::path requiredFromEnvironment(const char* name) {
    auto path = fromEnvironment(name);
    if (!path) {
        throw DriverError(std::string(name) + " is not set; run the e2e tests through ctest");
    }
    return *path;
}

} // namespace

std::filesystem::path tandrel64Path() {
    return requiredFromEnvironment("TANDREL_EXE64");
}
std::optional<std::filesystem::path> tandrel32Path() {
    return fromEnvironment("TANDREL_EXE32");
}
std::filesystem::path menuProbePath() {
    return requiredFromEnvironment("TANDREL_MENU_PROBE");
}
std::filesystem::path powerShellStandInPath() {
    return requiredFromEnvironment("TANDREL_POWERSHELL_STANDIN");
}

std::filesystem::path systemPowerShellPath() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return std::filesystem::path(system) / L"WindowsPowerShell" / L"v1.0" / L"powershell.exe";
}

std::filesystem::path jobScriptPath() {
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        throw DriverError("the roaming application-data folder is unknown");
    }
    return std::filesystem::path(appData) / L"Tandrel" / L"Tandrel.ps1";
}

} // namespace tandrel::e2e
