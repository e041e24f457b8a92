#pragma once

#include <string>

namespace tandrel {

// A fixture executable of version_fixtures/, built into the folder beside the test executable.
std::wstring versionFixture(const wchar_t* name);

} // namespace tandrel
