#include "platform/win32/system_folder_win.h"

#include <array>

namespace tandrel {

std::wstring systemDirectoryPath() {
    // The buffer is larger than what the call is told, as it always was; a longer path leaves it empty.
    constexpr UINT kOffered = 530;
    std::array<wchar_t, 600> buffer{};
    GetSystemDirectoryW(buffer.data(), kOffered);
    return buffer.data();
}

std::wstring systemFilePath(const wchar_t* fileName) {
    return systemDirectoryPath() + L"\\" + fileName;
}

ModuleOwner loadSystemLibrary(const wchar_t* fileName) {
    return ModuleOwner(LoadLibraryW(systemFilePath(fileName).c_str()));
}

} // namespace tandrel
