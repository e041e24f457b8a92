#include "platform/win32/icons_win.h"

#include "platform/win32/image_list_win.h"
#include "platform/win32/system_folder_win.h"

namespace tandrel {

IconOwner loadShell32Icon(int resourceId) {
    // Start-up has loaded Shell32 from the system folder; asking by full path finds exactly that copy.
    const HMODULE shell32 = GetModuleHandleW(systemFilePath(L"Shell32.dll").c_str());
    if (shell32 == nullptr) {
        return IconOwner();
    }
    const Size size = systemSmallIconSize();
    return IconOwner(static_cast<HICON>(LoadImageW(shell32, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                                   size.width, size.height, LR_DEFAULTCOLOR)));
}

HICON systemIcon(IconSource source) {
    switch (source) {
    case IconSource::SystemQuestion:
        return LoadIconW(nullptr, IDI_QUESTION);
    case IconSource::SystemInformation:
        return LoadIconW(nullptr, IDI_INFORMATION);
    case IconSource::None:
    case IconSource::Shell32:
        return nullptr;
    }
    return nullptr;
}

} // namespace tandrel
