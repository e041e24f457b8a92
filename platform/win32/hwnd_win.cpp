#include "platform/win32/hwnd_win.h"

#include <vector>

namespace tandrel {

std::wstring hwndText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return {buffer.data(), static_cast<std::size_t>(copied)};
}

Size hwndOuterSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT defaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void hwndSetDefaultFont(HWND window) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
}

HMENU childId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

} // namespace tandrel
