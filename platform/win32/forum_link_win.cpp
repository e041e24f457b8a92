#include "platform/win32/forum_link_win.h"

#include "platform/win32/hwnd_win.h"

namespace tandrel {
namespace {

constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kHotColour = RGB(0, 0, 255);

HFONT createUnderlinedFont(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    description.lfUnderline = TRUE;
    return CreateFontIndirectW(&description);
}

HCURSOR handCursor() {
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    return hand != nullptr ? hand : LoadCursorW(nullptr, IDC_ARROW);
}

} // namespace

void ForumLink::attach(HWND control, std::function<void()> clicked) {
    clicked_ = std::move(clicked);
    underlined_.reset(createUnderlinedFont(defaultGuiFont()));
    // The STATIC class keeps its own data in extra window bytes; GWLP_USERDATA is free for ours.
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    staticProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForumLink::windowProc)));
}

LRESULT CALLBACK ForumLink::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* link = reinterpret_cast<ForumLink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return link->onMessage(window, message, wParam, lParam);
}

LRESULT ForumLink::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills the whole control
    case WM_SETCURSOR:
        SetCursor(handCursor());
        return TRUE;
    case WM_MOUSEMOVE:
        onMouseMove(window);
        return 0;
    case WM_MOUSELEAVE:
        onMouseLeave(window);
        return 0;
    case WM_LBUTTONUP:
        clicked_();
        return 0;
    default:
        return CallWindowProcW(staticProc_, window, message, wParam, lParam);
    }
}

void ForumLink::onMouseMove(HWND window) {
    if (hot_) {
        return;
    }
    hot_ = true;
    TRACKMOUSEEVENT tracking{};
    tracking.cbSize = sizeof(tracking);
    tracking.dwFlags = TME_LEAVE;
    tracking.hwndTrack = window;
    TrackMouseEvent(&tracking);
    InvalidateRect(window, nullptr, TRUE);
}

void ForumLink::onMouseLeave(HWND window) {
    hot_ = false;
    InvalidateRect(window, nullptr, TRUE);
}

void ForumLink::onPaint(HWND window) const {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    RECT area{};
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    {
        const Selection selection(dc, underlined_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, hot_ ? kHotColour : kTextColour);
        const std::wstring text = hwndText(window);
        DrawTextW(dc, text.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(window, &paint);
}

} // namespace tandrel
