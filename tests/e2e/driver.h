#pragma once

#include "app/ids.h"
#include "tests/e2e/child_process.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Drives Tandrel64.exe like a user. The pieces (windows, input, message boxes, the menu probe)
// live in their own files; this is what a test of the program starts with.

namespace tandrel::e2e {

inline constexpr std::wstring_view kMainWindowTitle = L"Tandrel 64Bit (@Ulvar) Version 2,1,2,151";
inline constexpr std::wstring_view kReadyStatus = L"Programm ist bereit!";

struct RunningTandrel {
    ChildProcess process;
    HWND mainWindow = nullptr;

    // The control's window, found by its id below the main window.
    HWND control(Control control) const;
    std::wstring statusText() const;
    // Presses the close box; the exit code, or nullopt when the program does not end in time.
    std::optional<DWORD> closeWithCloseBox() const;
};

// Starts `exe` in its own folder and returns once its main window is there and its status bar
// says the program is ready; throws DriverError when it is not, in time.
RunningTandrel startTandrel(const std::filesystem::path& exe);
// The same for a program that is already running.
RunningTandrel waitUntilReady(ChildProcess process);

} // namespace tandrel::e2e
