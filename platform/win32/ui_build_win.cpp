#include "platform/win32/ui_win.h"

#include "platform/win32/controls_win.h"
#include "platform/win32/hwnd_win.h"
#include "platform/win32/icons_win.h"
#include "platform/win32/list_view_win.h"
#include "platform/win32/status_bar_win.h"

namespace tandrel {
namespace {

// The resource holds 177 x 65 pixels; it is shown squeezed to the control's 177 x 55.
constexpr int kLogoWidth = 177;
constexpr int kLogoHeight = 55;

} // namespace

void Win32Ui::createMenuBar(std::span<const MenuEntry> entries) {
    menu_.create(main_.get(), entries);
}

void Win32Ui::createStatusBar(const std::wstring& text) {
    constexpr Control kStatusBar = Control::StatusBar;
    controls_.at(static_cast<std::size_t>(kStatusBar)) =
        statusBarCreate(main_.get(), text, controlWindowId(kStatusBar));
}

void Win32Ui::createControl(Control control, Rect place) {
    const auto kind = controlKind(control, richEditClass_);
    if (!kind) {
        return;
    }
    const HWND parent = kind->page == kOnMainWindow ? main_.get() : tabs_.page(kind->page);
    const HWND created = CreateWindowExW(
        kind->exStyle, kind->windowClass, controlText(control), WS_CHILD | WS_VISIBLE | kind->style, place.x,
        place.y, place.width, place.height, parent, childId(controlWindowId(control)), instance_, nullptr);
    controls_.at(static_cast<std::size_t>(control)) = created;
    hwndSetDefaultFont(created);
    setUpControl(control, created);
}

void Win32Ui::setUpControl(Control control, HWND created) {
    switch (control) {
    case Control::InstalledList:
    case Control::ProvisionedList:
        listSetExtendedStyle(created);
        listSetSmallImages(created, smallImages(control));
        break;
    case Control::TraceLog:
        traceLogSetUp(created);
        break;
    case Control::TabPanel:
        tabs_.attach(created, instance_);
        break;
    case Control::ForumLogo:
        logo_.reset(static_cast<HBITMAP>(LoadImageW(instance_, L"PIC", IMAGE_BITMAP, kLogoWidth, kLogoHeight,
                                                    LR_VGACOLOR | LR_LOADTRANSPARENT)));
        SendMessageW(created, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo_.get()));
        break;
    case Control::ForumLink:
        forumLink_.attach(created, [this] { queueControlEvent(Control::ForumLink); });
        break;
    default:
        break;
    }
}

void Win32Ui::addColumns(Control list, std::span<const ListColumn> columns) {
    listInsertColumns(window(list), columns);
}

void Win32Ui::addTab(const TabEntry& tab) {
    IconOwner icon = loadShell32Icon(tab.shell32Icon);
    tabs_.addTab(tab, icon.get());
    // The tab panel keeps a copy, so the icon could go at once; the trace log's, as it always has,
    // stays loaded until shutdown.
    if (tab.index == TabPages::kPageCount - 1) {
        traceLogTabIcon_ = std::move(icon);
    }
}

void Win32Ui::releaseImages() {
    logo_.reset();
    for (IconOwner& icon : rowIcons_) {
        icon.reset();
    }
    menu_.releaseIcons();
    traceLogTabIcon_.reset();
}

} // namespace tandrel
