#pragma once

#include <string>

namespace tandrel {

// The nineteen well-known app packages the lists can be narrowed to, as one text:
// every name between "#" signs, neighbours sharing one.
std::wstring buildSelectedApps();
// Whether a package name is one of them: a whole-name match, ignoring case letter by letter.
bool isSelectedApp(const std::wstring& selectedApps, const std::wstring& packageName);

} // namespace tandrel
