#pragma once

#include "tests/e2e/wait.h"

#include <windows.h>

#include <string>
#include <string_view>

// Answering the save dialog (GetSaveFileNameW, Explorer style) of another process the way a user
// does: type a name, pick a file type, press Save or Cancel.

namespace tandrel::e2e {

// The visible dialog of `processId` titled `title`; throws DriverError when none appears in time.
HWND waitForSaveDialog(DWORD processId, std::wstring_view title, Milliseconds limit = kWaitLimit);
// The text of the file-name field.
std::wstring saveDialogFileName(HWND dialog);
// Replaces the text of the file-name field; returns once the field holds it.
void enterSaveFileName(HWND dialog, std::wstring_view name);
// Selects the file type at `index` (0 for the first filter pair), as a choice in the list does.
void chooseSaveFileType(HWND dialog, int index);
// The file type that is selected now.
int saveDialogFileType(HWND dialog);
// Presses Save or Cancel; returns once the dialog is gone.
void confirmSaveDialog(HWND dialog);
void cancelSaveDialog(HWND dialog);

} // namespace tandrel::e2e
