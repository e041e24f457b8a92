#include "tests/e2e/status_bar.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/remote_buffer.h"

#include <commctrl.h>

namespace tandrel::e2e {
namespace {

constexpr UINT kMessageLimitMs = 5000;

DWORD_PTR sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs, &result)) {
        throw DriverError("the status bar did not answer message " + std::to_string(message));
    }
    return result;
}

} // namespace

std::wstring statusBarText(HANDLE process, HWND statusBar) {
    const size_t length = LOWORD(sendOrThrow(statusBar, SB_GETTEXTLENGTHW, 0, 0));
    const size_t bytes = (length + 1) * sizeof(wchar_t);
    const RemoteBuffer buffer(process, bytes);
    sendOrThrow(statusBar, SB_GETTEXTW, 0, buffer.asParameter());
    std::wstring text(length + 1, L'\0');
    buffer.read(text.data(), bytes);
    text.resize(length);
    return text;
}

} // namespace tandrel::e2e
