#include "platform/win32/status_bar_win.h"

#include <commctrl.h>

namespace tandrel {

HWND statusBarCreate(HWND parent, const std::wstring& text, int id) {
    constexpr LONG kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | SBARS_TOOLTIPS;
    return CreateStatusWindowW(kStyle, text.c_str(), parent, static_cast<UINT>(id));
}

void statusBarSetText(HWND statusBar, const std::wstring& text) {
    const auto textArgument = reinterpret_cast<LPARAM>(text.c_str());
    SendMessageW(statusBar, SB_SETTEXTW, 0, textArgument);
    SendMessageW(statusBar, SB_SETTIPTEXTW, 0, textArgument);
}

void statusBarRedock(HWND statusBar) {
    // Any size change makes the status bar place itself again along its parent's bottom edge.
    SetWindowPos(statusBar, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tandrel
