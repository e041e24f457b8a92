#include "platform/win32/ui_win.h"

#include "platform/win32/controls_win.h"
#include "platform/win32/image_list_win.h"
#include "platform/win32/list_view_win.h"
#include "platform/win32/system_folder_win.h"

namespace tandrel {
namespace {

// WS_CLIPCHILDREN: after a resize the window's background erase would otherwise paint over controls
// that have already drawn themselves at their new places (seen under Wine).
constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Tab and Shift+Tab walk into the pages' controls through IsDialogMessageW.
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

// With desktop composition the invisible resize border lies outside the visible frame; five pixels
// to the left put the visible frame at the screen's left edge.
int leftEdgeX() {
    using DwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const ModuleOwner dwmapi = loadSystemLibrary(L"dwmapi.dll");
    const auto isCompositionEnabled =
        procAddress<DwmIsCompositionEnabled>(dwmapi.get(), "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    if (isCompositionEnabled != nullptr && SUCCEEDED(isCompositionEnabled(&enabled)) && enabled) {
        return -5;
    }
    return 0;
}

} // namespace

Win32Ui::Win32Ui() : instance_(GetModuleHandleW(nullptr)) {}

void Win32Ui::initialise() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    installedImages_ = smallImageListCreate();
    provisionedImages_ = smallImageListCreate();
    com_.initialise();
    richEdit_ = loadSystemLibrary(L"RICHED20.DLL");
    if (!richEdit_) {
        richEdit_ = loadSystemLibrary(L"RICHED32.DLL");
        richEditClass_ = L"RichEdit";
    }
}

void Win32Ui::shutdown() {
    main_.reset(); // with it its controls, the pages and the attached menu bar
    installedImages_.reset();
    provisionedImages_.reset();
    tabs_.release();
    mainClass_.reset();
    richEdit_.reset();
    com_.reset();
}

void Win32Ui::errorBox(const std::wstring& title, const std::wstring& text) {
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void Win32Ui::createMainWindow(const std::wstring& title, Size clientSize) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Win32Ui::mainWindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = L"TandrelMain";
    mainClass_.registerClass(windowClass);

    // Measured without a menu: attaching the menu bar later takes its height from the client area.
    RECT outer{0, 0, clientSize.width, clientSize.height};
    AdjustWindowRectEx(&outer, kMainStyle, FALSE, kMainExStyle);
    main_.reset(CreateWindowExW(kMainExStyle, mainClass_.name(), title.c_str(), kMainStyle, leftEdgeX(), 0,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                instance_, this));
    ShowWindow(main_.get(), SW_SHOWNORMAL);
}

LRESULT CALLBACK Win32Ui::mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    // A few messages (WM_GETMINMAXINFO) come before WM_NCCREATE.
    auto* ui = reinterpret_cast<Win32Ui*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (ui == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return ui->onMessage(window, message, wParam, lParam);
}

LRESULT Win32Ui::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        onNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_SIZE:
        onSize();
        return 0;
    case WM_CLOSE:
        // Only reported: the window lives on until shutdown destroys it.
        queue({EventKind::Close, Control::StatusBar, 0});
        return 0;
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType == ODT_MENU) {
            menu_.measureItem(measure);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlType == ODT_MENU) {
            menu_.drawItem(draw);
            return TRUE;
        }
        break;
    }
    case WM_MENUCHAR:
        return menu_.menuChar(static_cast<wchar_t>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam));
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Ui::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam == 0) {
        // IsDialogMessageW sends IDOK and IDCANCEL this way too, for Enter and Escape; they name no item.
        if (code == 0 && menu_.hasItem(id)) {
            queue({EventKind::Menu, Control::StatusBar, id});
        }
        return;
    }
    const auto control = controlOf(reinterpret_cast<HWND>(lParam));
    if (!control) {
        return;
    }
    // STN_CLICKED of the logo and the link has the same code as BN_CLICKED: the kind of control decides.
    if ((isButton(*control) && code == BN_CLICKED) || (isPackageField(*control) && code == EN_CHANGE)) {
        queueControlEvent(*control);
    }
}

void Win32Ui::onNotify(const NMHDR& header) {
    const auto control = controlOf(header.hwndFrom);
    if (!control) {
        return;
    }
    if (*control == Control::TabPanel && header.code == TCN_SELCHANGE) {
        tabs_.showSelected();
        queueControlEvent(Control::TabPanel);
    } else if (isList(*control) && listNotificationRaisesEvent(header)) {
        queueControlEvent(*control);
    }
}

void Win32Ui::onSize() {
    // While the user drags the border, Windows runs its own modal loop and the event loop waits:
    // the size events queue up (as one) and the layout catches up when the drag ends. Under Wine's
    // X11 driver the window manager does the dragging and WM_SIZE comes outside any modal loop.
    queue({EventKind::Size, Control::StatusBar, 0});
}

void Win32Ui::queue(Event event) {
    // Size events carry nothing: one waiting is as good as many.
    if (event.kind == EventKind::Size && !events_.empty() && events_.back().kind == EventKind::Size) {
        return;
    }
    events_.push_back(event);
}

void Win32Ui::queueControlEvent(Control control) {
    queue({EventKind::Control, control, 0});
}

std::optional<Event> Win32Ui::takeQueued() {
    if (events_.empty()) {
        return std::nullopt;
    }
    const Event event = events_.front();
    events_.pop_front();
    return event;
}

Event Win32Ui::waitEvent(unsigned timeoutMs) {
    if (auto event = takeQueued()) {
        return *event;
    }
    MSG message{};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // Messages sent from other threads or processes are handled inside the peek.
        if (auto event = takeQueued()) {
            return *event;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            return takeQueued().value_or(Event{});
        }
    }
    dispatchOneMessage(message);
    return {};
}

void Win32Ui::dispatchOneMessage(MSG& message) {
    if (main_ && IsDialogMessageW(main_.get(), &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

HWND Win32Ui::window(Control control) const {
    return controls_.at(static_cast<std::size_t>(control));
}

std::optional<Control> Win32Ui::controlOf(HWND child) const {
    for (int index = 0; index < kControlCount; ++index) {
        const auto control = static_cast<Control>(index);
        if (child != nullptr && window(control) == child) {
            return control;
        }
    }
    return std::nullopt;
}

} // namespace tandrel
