#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandrel {

// A manifest file as text: UTF-8 up to its first zero byte, so a UTF-16 file reads as (almost) nothing.
std::wstring manifestText(const std::optional<std::vector<std::uint8_t>>& bytes);
// The text of the first Logo element, with "\" turned into "/".
std::wstring appLogoPath(const std::wstring& manifest);
// The value after the first "Name=" of the whole text, up to the next double quote.
std::wstring manifestPackageName(const std::wstring& manifest);

} // namespace tandrel
