#pragma once

#include "platform/geometry.h"
#include "tests/e2e/wait.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Looking at the windows of another process. Texts are read with messages that Wine passes
// between processes; positions and states come from the window manager directly.

namespace tandrel::e2e {

std::vector<HWND> topLevelWindows(DWORD processId);
DWORD windowProcessId(HWND window);
std::wstring windowClass(HWND window);
// The window's own text (WM_GETTEXT), as the control holds it now.
std::wstring windowText(HWND window);

// The visible top-level window of `processId` titled exactly `title`; nullptr when none.
HWND findTopLevelWindow(DWORD processId, std::wstring_view title);
HWND waitForTopLevelWindow(DWORD processId, std::wstring_view title, Milliseconds limit = kWaitLimit);
// The visible top-level window titled exactly `title` of any process but `exceptProcessId`.
HWND findTopLevelWindowElsewhere(DWORD exceptProcessId, std::wstring_view title);

// The one descendant of `root` with the window id `id`; throws DriverError for none or several.
HWND findDescendant(HWND root, int id);

// Outer rectangle relative to the parent's client area.
Rect rectInParent(HWND window);
Size clientSize(HWND window);

} // namespace tandrel::e2e
