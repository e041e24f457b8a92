#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tandrel {

// UTF-8 to UTF-16; every byte that is not part of a well-formed sequence becomes U+FFFD.
std::wstring decodeUtf8(std::span<const std::uint8_t> bytes);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string encodeUtf8(const std::wstring& text);

} // namespace tandrel
