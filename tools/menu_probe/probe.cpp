// Loaded into a running program by the e2e driver (CreateRemoteThread on LoadLibraryW). It may
// not read menus inside DllMain under the loader lock, so a thread of its own does the work and
// then unloads the probe again.

#include "tools/common/module_path.h"
#include "tools/common/unique_handle.h"
#include "tools/menu_probe/menu_reader.h"
#include "tools/menu_probe/menu_report.h"

#include <windows.h>

#include <fstream>

namespace {

// Written beside and then renamed, so the driver never reads half a report.
void writeReport(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path partial = path;
    partial += L".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << text;
    }
    MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

DWORD WINAPI probeThread(void* parameter) {
    const auto module = static_cast<HMODULE>(parameter);
    writeReport(tandrel::tools::menuReportPath(tandrel::tools::modulePath(module), GetCurrentProcessId()),
                tandrel::tools::formatMenuReport(tandrel::tools::readMainWindowMenus()));
    FreeLibraryAndExitThread(module, 0);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        // The thread runs on its own; nothing waits for it here.
        const tandrel::tools::UniqueHandle thread(
            CreateThread(nullptr, 0, probeThread, instance, 0, nullptr));
    }
    return TRUE;
}
