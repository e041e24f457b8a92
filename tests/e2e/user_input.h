#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <string_view>

// Acting on another process's windows the way a user's input arrives there: as posted messages
// that the program's own event loop takes and dispatches.

namespace tandrel::e2e {

void clickButton(HWND button);
// Types at the end of the field's text, one WM_CHAR a character; returns once the field holds it.
void typeText(HWND edit, std::wstring_view text);
// Selects the whole text and deletes it with backspace; returns once the field is empty.
void deleteText(HWND edit);
// What choosing the menu item does: WM_COMMAND with the item id.
void chooseMenuItem(HWND mainWindow, int id);
// What a click on the close box does.
void pressCloseBox(HWND mainWindow);

// The program's layout height counts the menu bar: its client height plus SM_CYMENU.
Size layoutSize(HWND mainWindow);
// Resizes the main window so that its layout size is `layout`; throws DriverError if Wine's
// window manager does not give that client size.
void resizeToLayout(HWND mainWindow, Size layout);

} // namespace tandrel::e2e
