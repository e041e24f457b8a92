#include "fixture_paths.h"

#include "platform/win32/system_info_win.h"

#include <filesystem>

namespace tandrel {

std::wstring versionFixture(const wchar_t* name) {
    const std::filesystem::path tests = Win32SystemInfo().moduleFileName();
    return (tests.parent_path() / L"version_fixtures" / name).wstring();
}

} // namespace tandrel
