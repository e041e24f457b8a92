#pragma once

#include <string>
#include <string_view>

// The tools write and read their files as UTF-8, like the program's own text files.

namespace tandrel::tools {

std::string toUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD.
std::wstring fromUtf8(std::string_view text);

} // namespace tandrel::tools
