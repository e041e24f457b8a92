#include "app/program.h"
#include "app/state.h"
#include "platform/platform.h"
#include "platform/win32/files_win.h"
#include "platform/win32/processes_win.h"
#include "platform/win32/registry_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_info_win.h"
#include "platform/win32/ui_win.h"
#include "platform/win32/version_info_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tandrel::Win32SystemInfo system;
    tandrel::Win32Files files;
    tandrel::Win32Processes processes;
    tandrel::Win32Registry registry;
    tandrel::Win32Shell shell;
    tandrel::Win32VersionInfo versions;
    tandrel::Win32Ui ui;
    tandrel::AppState state;
    tandrel::Platform platform{system, files, processes, registry, shell, versions, ui};
    tandrel::runProgram(state, platform);
    // Ends a job's worker thread too, which shutdown neither waits for nor stops.
    ExitProcess(0);
}
