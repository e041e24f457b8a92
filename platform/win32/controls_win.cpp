#include "platform/win32/controls_win.h"

#include <commctrl.h>
#include <richedit.h>

namespace tandrel {
namespace {

constexpr DWORD kListStyle =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP;
constexpr DWORD kFieldStyle = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kButtonStyle = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kTraceLogStyle =
    ES_READONLY | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL;

constexpr COLORREF kTraceLogText = RGB(0, 0, 200);
constexpr COLORREF kTraceLogBackground = RGB(255, 240, 255);
// Far beyond the 32 K characters a rich edit control takes by default; a day of jobs fits.
constexpr LPARAM kTraceLogLimit = 0x7FFFFFFE;

} // namespace

std::optional<ControlKind> controlKind(Control control, const wchar_t* richEditClass) {
    switch (control) {
    case Control::InstalledList:
        return ControlKind{WC_LISTVIEWW, kListStyle, WS_EX_CLIENTEDGE, 0};
    case Control::InstalledField:
        return ControlKind{L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, 0};
    case Control::InstallButton:
    case Control::UninstallButton:
    case Control::RepairButton:
        return ControlKind{L"Button", kButtonStyle, 0, 0};
    case Control::ProvisionedList:
        return ControlKind{WC_LISTVIEWW, kListStyle, WS_EX_CLIENTEDGE, 1};
    case Control::ProvisionedField:
        return ControlKind{L"Edit", kFieldStyle, WS_EX_CLIENTEDGE, 1};
    case Control::RemoveButton:
    case Control::ProvisionedRepairButton:
        return ControlKind{L"Button", kButtonStyle, 0, 1};
    case Control::TraceLog:
        return ControlKind{richEditClass, kTraceLogStyle, WS_EX_CLIENTEDGE, 2};
    case Control::TabPanel:
        return ControlKind{WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, WS_EX_TRANSPARENT, kOnMainWindow};
    case Control::ForumLogo:
        return ControlKind{L"Static", SS_BITMAP | SS_NOTIFY, WS_EX_CLIENTEDGE, kOnMainWindow};
    case Control::ForumLink:
        return ControlKind{L"Static", SS_NOTIFY, 0, kOnMainWindow};
    case Control::StatusBar:
        return std::nullopt;
    }
    return std::nullopt;
}

bool isButton(Control control) {
    return control == Control::InstallButton || control == Control::UninstallButton ||
           control == Control::RepairButton || control == Control::RemoveButton ||
           control == Control::ProvisionedRepairButton;
}

bool isPackageField(Control control) {
    return control == Control::InstalledField || control == Control::ProvisionedField;
}

bool isList(Control control) {
    return control == Control::InstalledList || control == Control::ProvisionedList;
}

void traceLogSetUp(HWND traceLog) {
    CHARFORMATW format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = kTraceLogText;
    const auto formatArgument = reinterpret_cast<LPARAM>(&format);
    SendMessageW(traceLog, EM_SETCHARFORMAT, SCF_ALL, formatArgument);
    SendMessageW(traceLog, EM_SETCHARFORMAT, SCF_DEFAULT, formatArgument);
    SendMessageW(traceLog, EM_SETBKGNDCOLOR, 0, kTraceLogBackground);
    SendMessageW(traceLog, EM_EXLIMITTEXT, 0, kTraceLogLimit);
    // No target device and a line width of 1: lines are never wrapped.
    SendMessageW(traceLog, EM_SETTARGETDEVICE, 0, 1);
}

} // namespace tandrel
