#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <string>

namespace tandrel {

std::wstring hwndText(HWND window);
// Outer size: the window rectangle.
Size hwndOuterSize(HWND window);
// The stock DEFAULT_GUI_FONT, which every control of the main window uses.
HFONT defaultGuiFont();
void hwndSetDefaultFont(HWND window);
// A control id travels in the HMENU argument of CreateWindowExW.
HMENU childId(int id);

} // namespace tandrel
