#pragma once

#include <string>

namespace tandrel {

class VersionInfo;

// CR LF and lone CR become two spaces; spaces (and only spaces) are trimmed at both ends.
std::wstring cleanVersionEntry(std::wstring text);
// A string entry of a file's version resource, cleaned; empty on any failure.
std::wstring readVersionEntry(VersionInfo& versions, const std::wstring& path, const std::wstring& key);

} // namespace tandrel
