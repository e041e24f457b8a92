#include "tools/menu_probe/menu_reader.h"

#include <windows.h>

namespace tandrel::tools {
namespace {

BOOL CALLBACK findMainWindow(HWND window, LPARAM found) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != GetCurrentProcessId() || !IsWindowVisible(window) || GetMenu(window) == nullptr) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// MIIM_STRING gives the length first and the text on a second call with a buffer one longer.
std::wstring itemText(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0) {
        return {};
    }
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(menu, position, TRUE, &info);
    text.resize(info.cch);
    return text;
}

bool isIcon(ULONG_PTR data) {
    ICONINFO icon{};
    if (data == 0 || !GetIconInfo(reinterpret_cast<HICON>(data), &icon)) {
        return false;
    }
    if (icon.hbmColor != nullptr) {
        DeleteObject(icon.hbmColor);
    }
    DeleteObject(icon.hbmMask);
    return true;
}

MenuItemRecord readItem(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_BITMAP | MIIM_DATA;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    MenuItemRecord item;
    item.id = static_cast<int>(info.wID);
    item.text = itemText(menu, position);
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.ownerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    item.checked = (info.fState & MFS_CHECKED) != 0;
    item.grayed = (info.fState & MFS_DISABLED) != 0;
    item.icon = isIcon(info.dwItemData);
    item.bitmap = info.hbmpItem != nullptr;
    return item;
}

MenuRecord readMenu(HMENU bar, UINT position) {
    MenuRecord record{itemText(bar, position), {}};
    const HMENU popup = GetSubMenu(bar, static_cast<int>(position));
    const int count = popup == nullptr ? 0 : GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        record.items.push_back(readItem(popup, static_cast<UINT>(i)));
    }
    return record;
}

} // namespace

MenuReport readMainWindowMenus() {
    HWND window = nullptr;
    EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&window));
    if (window == nullptr) {
        return {{}, L"no visible top-level window with a menu in this process"};
    }
    const HMENU bar = GetMenu(window);
    MenuReport report;
    const int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
        report.menus.push_back(readMenu(bar, static_cast<UINT>(i)));
    }
    return report;
}

} // namespace tandrel::tools
