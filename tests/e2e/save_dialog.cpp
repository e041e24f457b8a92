#include "tests/e2e/save_dialog.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"
#include "tools/common/utf8.h"

#include <dlgs.h>

#include <vector>

namespace tandrel::e2e {
namespace {

constexpr UINT kMessageLimitMs = 5000;

LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs, &result)) {
        throw DriverError("the save dialog did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK collect(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

// The dialog's control of class `windowClass` with the id `id`, at any depth: ids repeat inside
// the dialog (its toolbar and its file list have IDOK's id too), so the class decides.
HWND dialogControl(HWND dialog, int id, std::wstring_view className) {
    std::vector<HWND> all;
    EnumChildWindows(dialog, collect, reinterpret_cast<LPARAM>(&all));
    for (const HWND window : all) {
        if (GetDlgCtrlID(window) == id && windowClass(window) == className) {
            return window;
        }
    }
    throw DriverError("the save dialog has no " + tools::toUtf8(className) + " with the id " +
                      std::to_string(id));
}

// The name field is the edit inside the combo box cmb13 (the ComboBoxEx32 of the Explorer-style
// dialog, on Windows and in Wine); the edit carries the combo box's id.
HWND fileNameEdit(HWND dialog) {
    return dialogControl(dialog, cmb13, L"Edit");
}

HWND fileTypeBox(HWND dialog) {
    return dialogControl(dialog, cmb1, L"ComboBox");
}

void pressAndWaitUntilGone(HWND dialog, int buttonId) {
    clickButton(dialogControl(dialog, buttonId, L"Button"));
    waitUntil([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); },
              "the save dialog stayed open after button " + std::to_string(buttonId));
}

} // namespace

HWND waitForSaveDialog(DWORD processId, std::wstring_view title, Milliseconds limit) {
    HWND dialog = nullptr;
    waitUntil(
        [&] {
            dialog = findTopLevelWindow(processId, title);
            return dialog != nullptr && windowClass(dialog) == L"#32770";
        },
        "no save dialog titled '" + tools::toUtf8(title) + "' in process " + std::to_string(processId),
        limit);
    return dialog;
}

std::wstring saveDialogFileName(HWND dialog) {
    return windowText(fileNameEdit(dialog));
}

void enterSaveFileName(HWND dialog, std::wstring_view name) {
    const HWND edit = fileNameEdit(dialog);
    const std::wstring text(name);
    // WM_SETTEXT carries its string across processes; the edit tells the dialog with EN_CHANGE.
    send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    waitUntil([&] { return windowText(edit) == text; },
              "the save dialog's name field does not hold '" + tools::toUtf8(text) + "'");
}

void chooseSaveFileType(HWND dialog, int index) {
    const HWND box = fileTypeBox(dialog);
    if (send(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) {
        throw DriverError("the save dialog has no file type " + std::to_string(index));
    }
    // CB_SETCURSEL tells nobody; a choice in the drop-down list tells the dialog with these two.
    const auto notify = [&](WORD code) {
        send(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(box));
    };
    notify(CBN_SELCHANGE);
    notify(CBN_SELENDOK);
}

int saveDialogFileType(HWND dialog) {
    return static_cast<int>(send(fileTypeBox(dialog), CB_GETCURSEL, 0, 0));
}

void confirmSaveDialog(HWND dialog) {
    pressAndWaitUntilGone(dialog, IDOK);
}

void cancelSaveDialog(HWND dialog) {
    pressAndWaitUntilGone(dialog, IDCANCEL);
}

} // namespace tandrel::e2e
