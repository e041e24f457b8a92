#include "platform/win32/list_view_win.h"

#include <vector>

namespace tandrel {

void listSetExtendedStyle(HWND list) {
    // Grid lines by the list itself rather than drawn over it after each paint.
    constexpr LPARAM kStyle = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_GRIDLINES;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kStyle);
}

void listInsertColumns(HWND list, std::span<const ListColumn> columns) {
    WPARAM index = 0;
    for (const ListColumn& column : columns) {
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH;
        item.cx = column.width;
        item.pszText = const_cast<wchar_t*>(column.title); // only read by the list
        SendMessageW(list, LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&item));
    }
}

int listSelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring listCellText(HWND list, int row, int column) {
    // The list says only how much it copied: a full buffer may have cut the text, so grow and ask again.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            return {buffer.data(), copied};
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool listNotificationRaisesEvent(const NMHDR& header) {
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        return (change.uChanged & LVIF_STATE) != 0 &&
               ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0;
    }
    case NM_CLICK:
        return listSelectedRow(header.hwndFrom) >= 0;
    case NM_DBLCLK:
    case NM_RCLICK:
    case NM_RDBLCLK:
    case LVN_BEGINDRAG:
        return true;
    default:
        return false;
    }
}

} // namespace tandrel
