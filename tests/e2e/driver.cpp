#include "tests/e2e/driver.h"

#include "tests/e2e/status_bar.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"

namespace tandrel::e2e {

HWND RunningTandrel::control(Control control) const {
    return findDescendant(mainWindow, controlWindowId(control));
}

std::wstring RunningTandrel::statusText() const {
    return statusBarText(process.handle(), control(Control::StatusBar));
}

std::optional<DWORD> RunningTandrel::closeWithCloseBox() const {
    pressCloseBox(mainWindow);
    return process.waitForExit();
}

RunningTandrel startTandrel(const std::filesystem::path& exe) {
    return waitUntilReady(startProcess(exe, L"", exe.parent_path()));
}

RunningTandrel waitUntilReady(ChildProcess process) {
    const HWND mainWindow = waitForTopLevelWindow(process.id(), kMainWindowTitle);
    // The window is shown before its status bar exists.
    const int statusBarId = controlWindowId(Control::StatusBar);
    waitUntil(
        [&] {
            const HWND statusBar = GetDlgItem(mainWindow, statusBarId);
            return statusBar != nullptr && statusBarText(process.handle(), statusBar) == kReadyStatus;
        },
        "the status bar never said the program is ready");
    return {std::move(process), mainWindow};
}

} // namespace tandrel::e2e
