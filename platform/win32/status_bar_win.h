#pragma once

#include <windows.h>

#include <string>

namespace tandrel {

HWND statusBarCreate(HWND parent, const std::wstring& text, int id);
// Text and tooltip of the one part: the tooltip shows the whole text where the bar cuts it off.
void statusBarSetText(HWND statusBar, const std::wstring& text);
void statusBarRedock(HWND statusBar);

} // namespace tandrel
