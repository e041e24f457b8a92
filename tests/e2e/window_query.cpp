#include "tests/e2e/window_query.h"

#include "tests/e2e/driver_error.h"
#include "tools/common/utf8.h"

namespace tandrel::e2e {
namespace {

// A window that does not answer within this time is hung; no test waits longer for one message.
constexpr UINT kMessageLimitMs = 5000;

BOOL CALLBACK collect(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

// The title as the window manager keeps it; needs no answer from the window's thread.
std::wstring title(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND findVisibleTitled(std::wstring_view wanted, const std::function<bool(DWORD)>& processMatches) {
    std::vector<HWND> all;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    for (const HWND window : all) {
        if (processMatches(windowProcessId(window)) && IsWindowVisible(window) && title(window) == wanted) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

std::vector<HWND> topLevelWindows(DWORD processId) {
    std::vector<HWND> all;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    std::erase_if(all, [processId](HWND window) { return windowProcessId(window) != processId; });
    return all;
}

DWORD windowProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring windowClass(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageLimitMs, &length)) {
        throw DriverError("a window did not answer WM_GETTEXTLENGTH");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageLimitMs, &copied)) {
        throw DriverError("a window did not answer WM_GETTEXT");
    }
    text.resize(copied);
    return text;
}

HWND findTopLevelWindow(DWORD processId, std::wstring_view wanted) {
    return findVisibleTitled(wanted, [processId](DWORD id) { return id == processId; });
}

HWND waitForTopLevelWindow(DWORD processId, std::wstring_view wanted, Milliseconds limit) {
    HWND found = nullptr;
    waitUntil([&] { return (found = findTopLevelWindow(processId, wanted)) != nullptr; },
              "no visible window titled '" + tools::toUtf8(wanted) + "' in process " +
                  std::to_string(processId),
              limit);
    return found;
}

HWND findTopLevelWindowElsewhere(DWORD exceptProcessId, std::wstring_view wanted) {
    return findVisibleTitled(wanted, [exceptProcessId](DWORD id) { return id != exceptProcessId; });
}

HWND findDescendant(HWND root, int id) {
    std::vector<HWND> all;
    EnumChildWindows(root, collect, reinterpret_cast<LPARAM>(&all));
    std::erase_if(all, [id](HWND window) { return GetDlgCtrlID(window) != id; });
    if (all.size() != 1) {
        throw DriverError(std::to_string(all.size()) + " windows with the id " + std::to_string(id) +
                          " below the main window, expected exactly one");
    }
    return all.front();
}

Rect rectInParent(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&outer), 2);
    return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

Size clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

} // namespace tandrel::e2e
