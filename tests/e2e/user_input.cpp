#include "tests/e2e/user_input.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/wait.h"
#include "tests/e2e/window_query.h"
#include "tools/common/utf8.h"

#include <string>

namespace tandrel::e2e {
namespace {

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(window, message, wParam, lParam)) {
        throw DriverError("PostMessageW " + std::to_string(message) + " failed: error " +
                          std::to_string(GetLastError()));
    }
}

void waitForText(HWND edit, const std::wstring& expected) {
    waitUntil([&] { return windowText(edit) == expected; }, "the field does not hold '" +
                                                                tools::toUtf8(expected) + "' but '" +
                                                                tools::toUtf8(windowText(edit)) + "'");
}

// A repeat count of 1, as a key press has.
constexpr LPARAM kOneKeyPress = 1;

} // namespace

void clickButton(HWND button) {
    post(button, BM_CLICK, 0, 0);
}

void typeText(HWND edit, std::wstring_view text) {
    const std::wstring expected = windowText(edit) + std::wstring(text);
    const auto end = static_cast<WPARAM>(expected.size() - text.size());
    post(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    for (const wchar_t c : text) {
        post(edit, WM_CHAR, c, kOneKeyPress);
    }
    waitForText(edit, expected);
}

void deleteText(HWND edit) {
    post(edit, EM_SETSEL, 0, -1);
    post(edit, WM_CHAR, VK_BACK, kOneKeyPress);
    waitForText(edit, L"");
}

void chooseMenuItem(HWND mainWindow, int id) {
    post(mainWindow, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void pressCloseBox(HWND mainWindow) {
    post(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
}

Size layoutSize(HWND mainWindow) {
    const Size client = clientSize(mainWindow);
    return {client.width, client.height + GetSystemMetrics(SM_CYMENU)};
}

void resizeToLayout(HWND mainWindow, Size layout) {
    const Size wanted{layout.width, layout.height - GetSystemMetrics(SM_CYMENU)};
    RECT outer{0, 0, wanted.width, wanted.height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(mainWindow, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(mainWindow, GWL_EXSTYLE)));
    Size size{outer.right - outer.left, outer.bottom - outer.top};
    // Wine's frames and menu bar need not be exactly what AdjustWindowRectEx assumes; correct
    // the outer size by what the client area misses, a few times at most.
    for (int attempt = 0; attempt < 3; ++attempt) {
        SetWindowPos(mainWindow, nullptr, 0, 0, size.width, size.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const Size client = clientSize(mainWindow);
        if (client == wanted) {
            return;
        }
        size.width += wanted.width - client.width;
        size.height += wanted.height - client.height;
    }
    const Size client = clientSize(mainWindow);
    throw DriverError("the main window's client area is " + std::to_string(client.width) + " x " +
                      std::to_string(client.height) + ", not " + std::to_string(wanted.width) + " x " +
                      std::to_string(wanted.height));
}

} // namespace tandrel::e2e
