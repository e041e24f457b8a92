#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reading and selecting the rows of another process's list view. Its messages carry pointers that
// Windows does not carry across processes, so the records live in the program's memory.

namespace tandrel::e2e {

struct ListViewRow {
    std::vector<std::wstring> cells;
    int image = 0; // the item's iImage: an index of the small image list, or I_IMAGENONE
};

int listRowCount(HWND list);
// The columns of the list's header.
int listColumnCount(HWND list);
// Every row with the text of every column; `process` owns the list.
std::vector<ListViewRow> listRows(HANDLE process, HWND list);
// The first selected row, or -1.
int listSelectedRow(HWND list);
// Selects `row` alone, as a click on it does, or, with row -1, takes the selection off every row.
// The list tells its parent (LVN_ITEMCHANGED) as it does for a click.
void selectListRow(HANDLE process, HWND list, int row);

} // namespace tandrel::e2e
