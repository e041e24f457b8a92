#pragma once

#include "app/ids.h"

#include <windows.h>

#include <optional>

namespace tandrel {

inline constexpr int kOnMainWindow = -1;

// How a control is made: its window class, styles beyond WS_CHILD | WS_VISIBLE, and where it lives.
struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    int page; // the tab page it stands on, or kOnMainWindow
};

// Nothing for the status bar, which CreateStatusWindowW makes together with its text.
std::optional<ControlKind> controlKind(Control control, const wchar_t* richEditClass);
bool isButton(Control control);
bool isPackageField(Control control);
bool isList(Control control);

void traceLogSetUp(HWND traceLog);

} // namespace tandrel
