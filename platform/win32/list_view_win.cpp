#include "platform/win32/list_view_win.h"

#include <vector>

namespace tandrel {
namespace {

std::vector<std::wstring> lineFeedFields(const std::wstring& text) {
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    for (std::size_t end = text.find(L'\n'); end != std::wstring::npos; end = text.find(L'\n', start)) {
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

// Mask LVIF_TEXT and every member not named here 0; the list only reads the text.
LVITEMW textItem(int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.cchTextMax = static_cast<int>(text.size());
    return item;
}

void listSetItemText(HWND list, LVITEMW& item) {
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item.iItem), reinterpret_cast<LPARAM>(&item));
}

} // namespace

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

void listSetSmallImages(HWND list, HIMAGELIST images) {
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void listClear(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

void listInsertRow(HWND list, int index, const std::wstring& rowText, std::optional<int> image) {
    const std::vector<std::wstring> fields = lineFeedFields(rowText);
    LVITEMW item = textItem(index, 0, fields.front());
    // Without an image of its own a row would show the list's first one; it shows none instead.
    item.mask |= LVIF_IMAGE;
    item.iImage = image.value_or(I_IMAGENONE);
    const auto row =
        static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        return;
    }
    for (std::size_t column = 1; column < fields.size(); ++column) {
        LVITEMW cell = textItem(row, static_cast<int>(column), fields[column]);
        listSetItemText(list, cell);
    }
}

void listSetCellText(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item = textItem(row, column, text);
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    listSetItemText(list, item);
}

} // namespace tandrel
