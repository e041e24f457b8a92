#include "platform/win32/menu_win.h"

#include "platform/win32/icons_win.h"

#include <algorithm>
#include <array>
#include <string>

namespace tandrel {
namespace {

constexpr int kGap = 4;

int iconWidth() {
    return GetSystemMetrics(SM_CXSMICON);
}
int iconHeight() {
    return GetSystemMetrics(SM_CYSMICON);
}

HFONT createMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return nullptr;
    }
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

// The letter after a single "&"; "&&" stands for a literal ampersand.
wchar_t mnemonicOf(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') {
                return text[i + 1];
            }
            ++i;
        }
    }
    return L'\0';
}

wchar_t upper(wchar_t c) {
    CharUpperBuffW(&c, 1);
    return c;
}

std::wstring menuString(HMENU menu, UINT item, UINT by) {
    const int length = GetMenuStringW(menu, item, nullptr, 0, by);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetMenuStringW(menu, item, text.data(), length + 1, by)));
    return text;
}

HICON iconOf(ULONG_PTR itemData) {
    return reinterpret_cast<HICON>(itemData);
}

// A check mark drawn as two strokes, in the colour of the item's text.
void drawCheckMark(HDC dc, RECT box, COLORREF colour) {
    const PenOwner pen(CreatePen(PS_SOLID, 2, colour));
    const Selection selection(dc, pen.get());
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const std::array<POINT, 3> stroke{
        POINT{box.left + width / 5, box.top + height / 2},
        POINT{box.left + width * 2 / 5, box.top + height * 3 / 4},
        POINT{box.left + width * 4 / 5, box.top + height / 4},
    };
    Polyline(dc, stroke.data(), static_cast<int>(stroke.size()));
}

// DrawStateW draws a plain DST_ICON at its own size, and the system icons are large: scaling through a
// callback keeps the greyed look of DSS_DISABLED.
BOOL CALLBACK drawScaledIcon(HDC dc, LPARAM icon, WPARAM, int width, int height) {
    return DrawIconEx(dc, 0, 0, reinterpret_cast<HICON>(icon), width, height, 0, nullptr, DI_NORMAL);
}

void drawIcon(HDC dc, HICON icon, RECT box, bool grayed) {
    DrawStateW(dc, nullptr, &drawScaledIcon, reinterpret_cast<LPARAM>(icon), 0, box.left, box.top,
               box.right - box.left, box.bottom - box.top,
               UINT{DST_COMPLEX} | (grayed ? UINT{DSS_DISABLED} : UINT{DSS_NORMAL}));
}

} // namespace

void MenuBar::create(HWND window, std::span<const MenuEntry> entries) {
    font_.reset(createMenuFont());
    bar_ = CreateMenu();
    HMENU popup = nullptr;
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntryKind::Popup:
            popup = CreatePopupMenu();
            AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), entry.text);
            break;
        case MenuEntryKind::Separator:
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuEntryKind::Command:
        case MenuEntryKind::Check:
            appendItem(popup, entry);
            break;
        }
    }
    SetMenu(window, bar_);
    DrawMenuBar(window);
}

HICON MenuBar::iconFor(const MenuIcon& icon) {
    if (icon.source != IconSource::Shell32) {
        return systemIcon(icon.source);
    }
    auto loaded = shell32Icons_.find(icon.id);
    if (loaded == shell32Icons_.end()) {
        loaded = shell32Icons_.emplace(icon.id, loadShell32Icon(icon.id)).first;
    }
    return loaded->second.get();
}

void MenuBar::appendItem(HMENU popup, const MenuEntry& entry) {
    std::wstring text = entry.text;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    item.fType = MFT_OWNERDRAW;
    item.wID = static_cast<UINT>(entry.id);
    item.dwTypeData = text.data();
    item.dwItemData = reinterpret_cast<ULONG_PTR>(iconFor(entry.icon));
    InsertMenuItemW(popup, static_cast<UINT>(GetMenuItemCount(popup)), TRUE, &item);
    itemIds_.push_back(entry.id);
    if (entry.checked) {
        setChecked(entry.id, true);
    }
}

bool MenuBar::hasItem(int id) const {
    return bar_ != nullptr &&
           GetMenuState(bar_, static_cast<UINT>(id), MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void MenuBar::enableItem(int id, bool enabled) {
    EnableMenuItem(bar_, static_cast<UINT>(id),
                   UINT{MF_BYCOMMAND} | (enabled ? UINT{MF_ENABLED} : UINT{MF_GRAYED}));
}

void MenuBar::setChecked(int id, bool checked) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(bar_, static_cast<UINT>(id), FALSE, &item)) {
        return;
    }
    item.fState = checked ? (item.fState | MFS_CHECKED) : (item.fState & ~UINT{MFS_CHECKED});
    SetMenuItemInfoW(bar_, static_cast<UINT>(id), FALSE, &item);
}

void MenuBar::releaseIcons() {
    MENUITEMINFOW noIcon{};
    noIcon.cbSize = sizeof(noIcon);
    noIcon.fMask = MIIM_DATA;
    for (const int id : itemIds_) {
        SetMenuItemInfoW(bar_, static_cast<UINT>(id), FALSE, &noIcon);
    }
    shell32Icons_.clear();
}

void MenuBar::measureItem(MEASUREITEMSTRUCT& measure) const {
    const std::wstring text = menuString(bar_, measure.itemID, MF_BYCOMMAND);
    const WindowDc dc(nullptr);
    const Selection selection(dc.get(), font_.get());
    RECT extent{};
    DrawTextW(dc.get(), text.c_str(), -1, &extent, DT_SINGLELINE | DT_CALCRECT);
    measure.itemWidth =
        static_cast<UINT>(kGap + iconWidth() + 2 * kGap + (extent.right - extent.left) + 4 * kGap);
    measure.itemHeight =
        static_cast<UINT>(std::max(iconHeight(), static_cast<int>(extent.bottom - extent.top)) + kGap);
}

void MenuBar::drawItem(const DRAWITEMSTRUCT& draw) const {
    const HICON icon = iconOf(draw.itemData);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const HDC dc = draw.hDC;
    RECT area = draw.rcItem;
    FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    const COLORREF textColour = GetSysColor(grayed     ? COLOR_GRAYTEXT
                                            : selected ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_MENUTEXT);
    const int iconTop = area.top + (area.bottom - area.top - iconHeight()) / 2;
    const RECT iconBox{area.left + kGap, iconTop, area.left + kGap + iconWidth(), iconTop + iconHeight()};
    if (icon != nullptr) {
        drawIcon(dc, icon, iconBox, grayed);
    } else if ((draw.itemState & ODS_CHECKED) != 0) {
        drawCheckMark(dc, iconBox, textColour);
    }

    const Selection selection(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour);
    area.left = iconBox.right + 2 * kGap;
    const UINT hidePrefix = (draw.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    const std::wstring text = menuString(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemID, MF_BYCOMMAND);
    DrawTextW(dc, text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | hidePrefix);
}

LRESULT MenuBar::menuChar(wchar_t typed, HMENU menu) const {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const wchar_t mnemonic = mnemonicOf(menuString(menu, static_cast<UINT>(position), MF_BYPOSITION));
        if (mnemonic != L'\0' && upper(mnemonic) == upper(typed)) {
            return MAKELRESULT(position, MNC_EXECUTE);
        }
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

} // namespace tandrel
