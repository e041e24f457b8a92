#pragma once

#include "app/window_content.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <span>
#include <string>

namespace tandrel {

void listSetExtendedStyle(HWND list);
void listInsertColumns(HWND list, std::span<const ListColumn> columns);
// The first selected row, or -1.
int listSelectedRow(HWND list);
std::wstring listCellText(HWND list, int row, int column);
void listSetSmallImages(HWND list, HIMAGELIST images);
void listClear(HWND list);
// Inserts a row at `index` with the line-feed separated texts of its first columns and, when given,
// the index of its icon in the small image list.
void listInsertRow(HWND list, int index, const std::wstring& rowText, std::optional<int> image);
// LVM_SETITEMW and then LVM_SETITEMTEXTW, both with one record that carries the text and its length.
void listSetCellText(HWND list, int row, int column, const std::wstring& text);
// Whether a notification of the list is one the program hears about.
bool listNotificationRaisesEvent(const NMHDR& header);

} // namespace tandrel
