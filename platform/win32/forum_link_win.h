#pragma once

#include "platform/win32/handles_win.h"

#include <functional>

namespace tandrel {

// A static control turned into a hyperlink: black underlined text that turns blue under the mouse,
// a hand cursor, and a click reported when the left button is released over it.
class ForumLink {
public:
    void attach(HWND control, std::function<void()> clicked);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onMouseMove(HWND window);
    void onMouseLeave(HWND window);
    void onPaint(HWND window) const;

    WNDPROC staticProc_ = nullptr;
    std::function<void()> clicked_;
    FontOwner underlined_;
    bool hot_ = false;
};

} // namespace tandrel
