#include "tests/e2e/temp_folder.h"

#include <windows.h>

#include <string>

namespace tandrel::e2e {

TempFolder::TempFolder(std::wstring_view name)
    : path_(std::filesystem::temp_directory_path() /
            (std::wstring(name) + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(GetTickCount64()))) {
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace tandrel::e2e
