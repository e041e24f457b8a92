#pragma once

#include <windows.h>

#include <string>

namespace tandrel::e2e {

// The text of the status bar's first part; `process` owns the status bar.
std::wstring statusBarText(HANDLE process, HWND statusBar);

} // namespace tandrel::e2e
