#include "platform/win32/files_win.h"

#include "platform/win32/handles_win.h"

#include <shlwapi.h>

namespace tandrel {
namespace {

// Manifests are a few kilobytes; a file far beyond that is not one, and is not taken into memory.
constexpr LONGLONG kLargestReadableFile = LONGLONG{256} << 20;

} // namespace

bool Win32Files::exists(const std::wstring& path) {
    return PathFileExistsW(path.c_str()) != FALSE;
}

void Win32Files::deleteFile(const std::wstring& path) {
    DeleteFileW(path.c_str());
}

void Win32Files::createDirectory(const std::wstring& path) {
    CreateDirectoryW(path.c_str(), nullptr);
}

std::optional<std::vector<std::uint8_t>> Win32Files::readFile(const std::wstring& path) {
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
    const HandleOwner file(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestReadableFile) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> content(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    while (filled < content.size()) {
        // Below the limit, what is left always fits one call.
        const auto wanted = static_cast<DWORD>(content.size() - filled);
        DWORD read = 0;
        if (!ReadFile(file.get(), content.data() + filled, wanted, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break; // the file ended sooner than its size said
        }
        filled += read;
    }
    content.resize(filled);
    return content;
}

bool Win32Files::writeFile(const std::wstring& path, const std::string& bytes) {
    HandleOwner file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        // A hidden or read-only-shared file may refuse CREATE_ALWAYS but still take truncation.
        file.reset(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    if (!file) {
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file.get(), bytes.data() + written, wanted, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    // A full disk may only show when the data reaches it.
    return FlushFileBuffers(file.get()) != FALSE;
}

} // namespace tandrel
