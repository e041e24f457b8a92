#pragma once

#include "app/ids.h"

#include <span>

// What the main window shows, as data: the Windows layer builds menus, tabs
// and columns from these tables, and tests name their entries.

namespace tandrel {

enum class IconSource { None, Shell32, SystemQuestion, SystemInformation };

struct MenuIcon {
    IconSource source = IconSource::None;
    int id = 0; // resource id inside Shell32 for IconSource::Shell32
};

enum class MenuEntryKind { Popup, Command, Check, Separator };

struct MenuEntry {
    MenuEntryKind kind;
    int id;
    const wchar_t* text;
    MenuIcon icon;
    bool checked;
};

struct ListColumn {
    const wchar_t* title;
    int width;
};

struct TabEntry {
    int index;
    const wchar_t* text;
    int shell32Icon;
};

// Both menus in display order; a Popup entry opens the next menu.
std::span<const MenuEntry> menuEntries();
std::span<const ListColumn> installedColumns();
std::span<const ListColumn> provisionedColumns();
const TabEntry& tabEntry(int index);
// The text a control is created with; empty for those without one.
const wchar_t* controlText(Control control);

inline constexpr int kRowIconPackage = 22;
inline constexpr int kRowIconNoDisplayName = 3;

} // namespace tandrel
