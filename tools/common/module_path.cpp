#include "tools/common/module_path.h"

#include <string>

namespace tandrel::tools {

std::filesystem::path modulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path may have been cut.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace tandrel::tools
