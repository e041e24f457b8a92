#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the menu probe found in the menu bar of a running program, and its file format.

namespace tandrel::tools {

struct MenuItemRecord {
    int id = 0;
    std::wstring text;
    bool separator = false;
    bool checked = false;
    bool grayed = false;
    bool ownerDrawn = false;
    // The item's data is an icon handle (the program keeps each item's icon there).
    bool icon = false;
    // The item has a bitmap of its own (hbmpItem).
    bool bitmap = false;
    friend bool operator==(const MenuItemRecord&, const MenuItemRecord&) = default;
};

struct MenuRecord {
    std::wstring text;
    std::vector<MenuItemRecord> items;
    friend bool operator==(const MenuRecord&, const MenuRecord&) = default;
};

struct MenuReport {
    std::vector<MenuRecord> menus;
    // Why the probe could not read the menus; empty when it could.
    std::wstring error;
    friend bool operator==(const MenuReport&, const MenuReport&) = default;
};

std::string formatMenuReport(const MenuReport& report);
// nullopt for a text that is not a complete report.
std::optional<MenuReport> parseMenuReport(std::string_view text);

// Where the probe loaded from `probeDll` into process `processId` writes its report.
std::filesystem::path menuReportPath(const std::filesystem::path& probeDll, unsigned long processId);

} // namespace tandrel::tools
