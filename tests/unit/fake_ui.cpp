#include "fake_ui.h"

#include <algorithm>

namespace tandrel::test {

const char* controlName(Control control) {
    static const char* const names[kControlCount] = {
        "InstalledList",    "InstalledField", "InstallButton",
        "UninstallButton",  "RepairButton",   "ProvisionedList",
        "ProvisionedField", "RemoveButton",   "ProvisionedRepairButton",
        "TraceLog",         "TabPanel",       "ForumLogo",
        "ForumLink",        "StatusBar"};
    return names[static_cast<int>(control)];
}

void FakeUi::initialise() {
    calls.push_back("initialise");
}
void FakeUi::shutdown() {
    calls.push_back("shutdown");
    windowExists = false;
}
void FakeUi::errorBox(const std::wstring& boxTitle, const std::wstring& text) {
    calls.push_back("errorBox");
    errorBoxes.emplace_back(boxTitle, text);
}
void FakeUi::createMainWindow(const std::wstring& windowTitle, Size clientSize) {
    calls.push_back("createMainWindow");
    title = windowTitle;
    // As on Windows, attaching the menu bar later takes its line from the client area.
    client = {clientSize.width, clientSize.height - menuBar};
    windowExists = true;
}
void FakeUi::createMenuBar(std::span<const MenuEntry> entries) {
    calls.push_back("createMenuBar");
    for (const auto& e : entries) {
        if (e.kind == MenuEntryKind::Command || e.kind == MenuEntryKind::Check) {
            menuEnabled[e.id] = true;
            menuChecked[e.id] = e.checked;
        }
    }
}
void FakeUi::createStatusBar(const std::wstring& text) {
    calls.push_back("createStatusBar");
    statusTexts.push_back(text);
}
void FakeUi::createControl(Control control, Rect place) {
    calls.push_back(std::string("create ") + controlName(control));
    places[control] = place;
    enabled[control] = true;
}
void FakeUi::addColumns(Control list, std::span<const ListColumn>) {
    calls.push_back(std::string("columns ") + controlName(list));
}
void FakeUi::addTab(const TabEntry& tab) {
    calls.push_back("tab " + std::to_string(tab.index));
}
void FakeUi::loadRowIcons() {
    calls.push_back("loadRowIcons");
}
void FakeUi::releaseImages() {
    calls.push_back("releaseImages");
}

Event FakeUi::waitEvent(unsigned timeoutMs) {
    waits.push_back(timeoutMs);
    if (events.empty()) {
        return {};
    }
    const Event e = events.front();
    events.pop_front();
    return e;
}

void FakeUi::beep(Beep kind) {
    calls.push_back(kind == Beep::Ok ? "beep ok" : "beep information");
    beeps.push_back(kind);
}
void FakeUi::enableControl(Control control, bool on) {
    calls.push_back(std::string("enable ") + controlName(control) + (on ? " 1" : " 0"));
    enabled[control] = on;
}
int FakeUi::textLength(Control control) {
    return static_cast<int>(texts[control].size());
}
std::wstring FakeUi::text(Control control) {
    return texts[control];
}
void FakeUi::setText(Control control, const std::wstring& value) {
    calls.push_back(std::string("setText ") + controlName(control));
    texts[control] = value;
}
int FakeUi::selectedRow(Control list) {
    const auto it = selected.find(list);
    return it == selected.end() ? -1 : it->second;
}
std::wstring FakeUi::cellText(Control list, int row, int column) {
    return rows[list].at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}
void FakeUi::clearList(Control list) {
    calls.push_back(std::string("clear ") + controlName(list));
    rows[list].clear();
    rowIcons[list].clear();
    rowImages[list].clear();
}

namespace {

std::vector<std::wstring> splitAtLineFeeds(const std::wstring& text) {
    std::vector<std::wstring> cells(1);
    for (wchar_t c : text) {
        if (c == L'\n') {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

} // namespace

void FakeUi::addRow(Control list, int index, const std::wstring& rowText, const Image* icon) {
    const auto at = static_cast<std::ptrdiff_t>(index);
    rows[list].insert(rows[list].begin() + at, splitAtLineFeeds(rowText));
    rowIcons[list].insert(rowIcons[list].begin() + at, icon ? kImageIcon : kNoIcon);
    if (icon) {
        rowImages[list].push_back(*icon);
    }
}

void FakeUi::addRowWithRowIcon(Control list, int index, const std::wstring& rowText, int rowIcon) {
    const auto at = static_cast<std::ptrdiff_t>(index);
    rows[list].insert(rows[list].begin() + at, splitAtLineFeeds(rowText));
    rowIcons[list].insert(rowIcons[list].begin() + at, rowIcon);
}

void FakeUi::setCellText(Control list, int row, int column, const std::wstring& text) {
    auto& cells = rows[list].at(static_cast<std::size_t>(row));
    cells.resize(std::max(cells.size(), static_cast<std::size_t>(column) + 1));
    cells[static_cast<std::size_t>(column)] = text;
}

void FakeUi::appendText(Control control, const std::wstring& text) {
    texts[control] += text;
}

bool FakeUi::endsWithLineBreak(Control control) {
    const std::wstring& t = texts[control];
    return !t.empty() && t.back() == L'\n';
}

void FakeUi::infoBox(const std::wstring& boxTitle, const std::wstring& text) {
    calls.push_back("infoBox");
    infoBoxes.emplace_back(boxTitle, text);
}

bool FakeUi::confirm(const std::wstring& boxTitle, const std::wstring& text, bool exclamation) {
    calls.push_back("confirm");
    confirmations.push_back({boxTitle, text, exclamation});
    return confirmAnswer;
}

SaveChoice FakeUi::askSavePath(const SaveDialog& dialog) {
    calls.push_back("askSavePath");
    saveDialogs.push_back(dialog);
    return saveAnswer;
}

void FakeUi::setStatusText(const std::wstring& value) {
    calls.push_back("status");
    statusTexts.push_back(value);
}
void FakeUi::enableMenuItem(int id, bool on) {
    calls.push_back("menu " + std::to_string(id) + (on ? " 1" : " 0"));
    menuEnabled[id] = on;
}
void FakeUi::setMenuChecked(int id, bool checked) {
    calls.push_back("check " + std::to_string(id) + (checked ? " 1" : " 0"));
    menuChecked[id] = checked;
}
Size FakeUi::clientSize() {
    return client;
}
int FakeUi::menuBarHeight() {
    return menuBar;
}
Size FakeUi::outerSize(Control control) {
    const Rect r = places[control];
    return {r.width, r.height};
}
void FakeUi::moveControl(Control control, Rect place) {
    calls.push_back(std::string("move ") + controlName(control));
    places[control] = place;
}
void FakeUi::redockStatusBar() {
    calls.push_back("redock");
}

} // namespace tandrel::test
