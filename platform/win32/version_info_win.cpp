#include "platform/win32/version_info_win.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace tandrel {
namespace {

// VerQueryValueW counts string values in characters and every other value in bytes.
bool namesStringValue(const std::wstring& subBlock) {
    const auto start = subBlock.find_first_not_of(L'\\');
    if (start == std::wstring::npos) {
        return false;
    }
    const std::wstring prefix = L"StringFileInfo";
    return subBlock.size() - start >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), subBlock.begin() + static_cast<std::ptrdiff_t>(start),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

} // namespace

std::optional<std::vector<std::uint8_t>> Win32VersionInfo::load(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    // Two spare bytes, so that a string running to the very end still has its terminator.
    std::vector<std::uint8_t> resource(size + 2u, 0);
    if (GetFileVersionInfoW(path.c_str(), 0, size, resource.data()) != 1) {
        return std::nullopt;
    }
    return resource;
}

std::optional<std::vector<std::uint8_t>> Win32VersionInfo::query(const std::vector<std::uint8_t>& resource,
                                                                 const std::wstring& subBlock) {
    void* value = nullptr;
    UINT length = 0;
    if (resource.empty() || VerQueryValueW(resource.data(), subBlock.c_str(), &value, &length) != 1) {
        return std::nullopt;
    }
    const auto* first = static_cast<const std::uint8_t*>(value);
    const std::size_t offset = static_cast<std::size_t>(first - resource.data());
    const std::size_t bytes = namesStringValue(subBlock) ? std::size_t{length} * sizeof(wchar_t) : length;
    const std::size_t inside = std::min(bytes, resource.size() - std::min(offset, resource.size()));
    return std::vector<std::uint8_t>(first, first + inside);
}

} // namespace tandrel
