#include "platform/win32/tab_pages_win.h"

#include "platform/win32/image_list_win.h"

namespace tandrel {
namespace {

// Clipping its children keeps the page's background erase from painting over controls that have
// already drawn themselves at their new places after a re-layout.
constexpr DWORD kPageStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

bool isControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

void TabPages::attach(HWND tabPanel, HINSTANCE instance) {
    panel_ = tabPanel;
    instance_ = instance;
    WNDCLASSEXW page{};
    page.cbSize = sizeof(page);
    page.lpfnWndProc = &TabPages::pageProc;
    page.hInstance = instance;
    page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    page.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    page.lpszClassName = L"TandrelPage";
    pageClass_.registerClass(page);
    icons_ = smallImageListCreate();
    SendMessageW(panel_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons_.get()));
}

void TabPages::addTab(const TabEntry& tab, HICON icon) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(tab.text); // only read by the tab panel
    item.iImage = icon != nullptr ? ImageList_AddIcon(icons_.get(), icon) : -1;
    SendMessageW(panel_, TCM_INSERTITEMW, static_cast<WPARAM>(tab.index), reinterpret_cast<LPARAM>(&item));

    const HWND main = GetParent(panel_);
    HWND& page = pages_.at(static_cast<std::size_t>(tab.index));
    page = CreateWindowExW(WS_EX_CONTROLPARENT, pageClass_.name(), L"", kPageStyle, 0, 0, 0, 0, main, nullptr,
                           instance_, nullptr);
    // Directly above the tab panel, so that the panel (WS_CLIPSIBLINGS) leaves the page's area to the page.
    const HWND above = GetWindow(panel_, GW_HWNDPREV);
    SetWindowPos(page, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    fitToPanel();
    showSelected();
}

HWND TabPages::page(int index) const {
    return pages_.at(static_cast<std::size_t>(index));
}

void TabPages::showSelected() {
    const auto selected = static_cast<int>(SendMessageW(panel_, TCM_GETCURSEL, 0, 0));
    for (int index = 0; index < kPageCount; ++index) {
        if (page(index) != nullptr) {
            ShowWindow(page(index), index == selected ? SW_SHOW : SW_HIDE);
        }
    }
}

RECT TabPages::displayArea() const {
    RECT area{};
    GetClientRect(panel_, &area);
    SendMessageW(panel_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    std::array<POINT, 2> corners{POINT{area.left, area.top}, POINT{area.right, area.bottom}};
    MapWindowPoints(panel_, GetParent(panel_), corners.data(), static_cast<UINT>(corners.size()));
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void TabPages::fitToPanel() {
    const RECT area = displayArea();
    for (const HWND page : pages_) {
        if (page != nullptr) {
            MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
        }
    }
}

void TabPages::release() {
    pageClass_.reset();
    icons_.reset();
}

LRESULT CALLBACK TabPages::pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The main window hears what the page's controls say, as if they were its own.
    if (message == WM_COMMAND || message == WM_NOTIFY || isControlColourMessage(message)) {
        return SendMessageW(GetParent(window), message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tandrel
