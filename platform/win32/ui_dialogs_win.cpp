#include "platform/win32/ui_win.h"

#include <commdlg.h>

#include <algorithm>

namespace tandrel {

void Win32Ui::infoBox(const std::wstring& title, const std::wstring& text) {
    MessageBoxW(main_.get(), text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

bool Win32Ui::confirm(const std::wstring& title, const std::wstring& text, bool exclamation) {
    const UINT icon = exclamation ? MB_ICONEXCLAMATION : MB_ICONQUESTION;
    return MessageBoxW(main_.get(), text.c_str(), title.c_str(), MB_YESNO | icon) == IDYES;
}

SaveChoice Win32Ui::askSavePath(const SaveDialog& dialog) {
    // The dialog wants its filter pairs separated by NULs and closed by two.
    std::wstring filter = dialog.filter;
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter += L'\0';
    wchar_t file[MAX_PATH] = {};
    dialog.initialName.copy(file, MAX_PATH - 1);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = main_.get();
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrTitle = dialog.title.c_str();
    request.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&request)) {
        return {};
    }
    return {file, static_cast<int>(request.nFilterIndex) - 1};
}

} // namespace tandrel
