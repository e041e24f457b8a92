#pragma once

#include "tests/e2e/wait.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tandrel::e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};

// The visible message boxes (dialog class "#32770") of a process.
std::vector<HWND> messageBoxes(DWORD processId);
// The first message box the process shows; throws DriverError when none appears in time.
MessageBoxView waitForMessageBox(DWORD processId, Milliseconds limit = kWaitLimit);
// Presses the box's button with the id IDOK, IDYES, IDNO, ...; throws when it has no such button.
void answerMessageBox(HWND box, int buttonId);

} // namespace tandrel::e2e
