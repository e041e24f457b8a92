#pragma once

#include "app/window_content.h"
#include "platform/win32/handles_win.h"

#include <array>

namespace tandrel {

// The tab panel and one page window per tab. The pages are children of the main window, stacked just
// above the tab panel over its display area: as children of the tab panel they would be out of reach
// of Tab and Shift+Tab, which only descend into a control parent that is no tab stop itself.
class TabPages {
public:
    static constexpr int kPageCount = 3;

    void attach(HWND tabPanel, HINSTANCE instance);
    // The tab panel keeps its own copy of the icon.
    void addTab(const TabEntry& tab, HICON icon);
    HWND page(int index) const;
    // Shows the selected tab's page and hides the others.
    void showSelected();
    // Lays the pages over the tab panel's display area again, after the panel moved.
    void fitToPanel();
    // The page class and the tab icons, once the windows are gone.
    void release();

private:
    static LRESULT CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    RECT displayArea() const;

    HWND panel_ = nullptr;
    HINSTANCE instance_ = nullptr;
    WindowClassOwner pageClass_;
    ImageListOwner icons_;
    std::array<HWND, kPageCount> pages_{}; // children of the main window, destroyed with it
};

} // namespace tandrel
