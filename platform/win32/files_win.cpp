#include "platform/win32/files_win.h"

#include <windows.h>

#include <shlwapi.h>

namespace tandrel {

bool Win32Files::exists(const std::wstring& path) {
    return PathFileExistsW(path.c_str()) != FALSE;
}

void Win32Files::deleteFile(const std::wstring& path) {
    DeleteFileW(path.c_str());
}

void Win32Files::createDirectory(const std::wstring& path) {
    CreateDirectoryW(path.c_str(), nullptr);
}

} // namespace tandrel
