#pragma once

#include "app/window_content.h"
#include "platform/win32/handles_win.h"

#include <map>
#include <span>
#include <vector>

namespace tandrel {

// The main window's menu bar: popups of owner-drawn items, each with a small icon or a check mark.
// Every item keeps its text as its menu string, which the drawing reads back, so screen readers and
// GetMenuStringW see it too; its item data is its icon (or none), as a probe inside the process reads it.
class MenuBar {
public:
    void create(HWND window, std::span<const MenuEntry> entries);
    bool hasItem(int id) const;
    void enableItem(int id, bool enabled);
    void setChecked(int id, bool checked);
    // The Shell32 icons; the items then show none.
    void releaseIcons();

    void measureItem(MEASUREITEMSTRUCT& measure) const;
    void drawItem(const DRAWITEMSTRUCT& draw) const;
    // Owner-drawn items get no mnemonics from Windows: the "&" letter of an item selects and runs it.
    LRESULT menuChar(wchar_t typed, HMENU menu) const;

private:
    HICON iconFor(const MenuIcon& icon);
    void appendItem(HMENU popup, const MenuEntry& entry);

    HMENU bar_ = nullptr; // attached to the main window, which destroys it
    std::vector<int> itemIds_;
    std::map<int, IconOwner> shell32Icons_;
    FontOwner font_;
};

} // namespace tandrel
