#include "platform/win32/ui_win.h"

#include "platform/win32/hwnd_win.h"
#include "platform/win32/list_view_win.h"
#include "platform/win32/status_bar_win.h"

namespace tandrel {

void Win32Ui::beep(Beep kind) {
    MessageBeep(kind == Beep::Information ? MB_ICONASTERISK : MB_OK);
}

void Win32Ui::enableControl(Control control, bool enabled) {
    EnableWindow(window(control), enabled ? TRUE : FALSE);
}

int Win32Ui::textLength(Control control) {
    return control == Control::TraceLog ? traceLogLength() : GetWindowTextLengthW(window(control));
}

std::wstring Win32Ui::text(Control control) {
    return control == Control::TraceLog ? traceLogText() : hwndText(window(control));
}

void Win32Ui::setText(Control control, const std::wstring& text) {
    SetWindowTextW(window(control), text.c_str());
}

int Win32Ui::selectedRow(Control list) {
    return listSelectedRow(window(list));
}

std::wstring Win32Ui::cellText(Control list, int row, int column) {
    return listCellText(window(list), row, column);
}

void Win32Ui::setStatusText(const std::wstring& text) {
    statusBarSetText(window(Control::StatusBar), text);
}

void Win32Ui::enableMenuItem(int id, bool enabled) {
    menu_.enableItem(id, enabled);
}

void Win32Ui::setMenuChecked(int id, bool checked) {
    menu_.setChecked(id, checked);
}

Size Win32Ui::clientSize() {
    RECT client{};
    GetClientRect(main_.get(), &client);
    return {client.right - client.left, client.bottom - client.top};
}

int Win32Ui::menuBarHeight() {
    return GetSystemMetrics(SM_CYMENU);
}

Size Win32Ui::outerSize(Control control) {
    return hwndOuterSize(window(control));
}

void Win32Ui::moveControl(Control control, Rect place) {
    const HWND moved = window(control);
    MoveWindow(moved, place.x, place.y, place.width, place.height, TRUE);
    // MoveWindow copies the control's old pixels to its new place and counts them as drawn. Right after a
    // resize those pixels may not exist yet (Wine re-creates the window's surface blank), so the control
    // draws itself anew.
    RedrawWindow(moved, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (control == Control::TabPanel) {
        tabs_.fitToPanel();
    }
}

void Win32Ui::redockStatusBar() {
    statusBarRedock(window(Control::StatusBar));
}

} // namespace tandrel
