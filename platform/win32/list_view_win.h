#pragma once

#include "app/window_content.h"

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>

namespace tandrel {

void listSetExtendedStyle(HWND list);
void listInsertColumns(HWND list, std::span<const ListColumn> columns);
// The first selected row, or -1.
int listSelectedRow(HWND list);
std::wstring listCellText(HWND list, int row, int column);
// Whether a notification of the list is one the program hears about.
bool listNotificationRaisesEvent(const NMHDR& header);

} // namespace tandrel
