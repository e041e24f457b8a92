#include "platform/win32/shell_win.h"

#include "platform/win32/handles_win.h"
#include "platform/win32/text_buffer_win.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <array>

namespace tandrel {
namespace {

using ItemListOwner = Owner<NullTraits<LPITEMIDLIST, CoTaskMemFree>>;

constexpr std::size_t kIndirectStringCapacity = 2000;

} // namespace

std::wstring Win32Shell::specialFolder(int csidl) {
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &items) != S_OK) {
        return {};
    }
    const ItemListOwner owner(items);
    std::array<wchar_t, MAX_PATH> path{};
    if (!SHGetPathFromIDListW(owner.get(), path.data())) {
        return {};
    }
    return path.data();
}

void Win32Shell::open(const std::wstring& file) {
    ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring Win32Shell::loadIndirectString(const std::wstring& source) {
    // Zero-filled, so that a call that fails without writing leaves an empty text.
    std::wstring buffer(kIndirectStringCapacity, L'\0');
    SHLoadIndirectString(source.c_str(), buffer.data(), static_cast<UINT>(buffer.size()), nullptr);
    return textUpToNul(std::move(buffer));
}

} // namespace tandrel
