#pragma once

#include <string>

namespace tandrel {

// One character lowered on its own, as CharLowerW lowers a single character, for the
// scripts package names and manifests are written in (Latin, Greek, Cyrillic). Kept
// free of the C library's locale so that the result is the same on every machine.
wchar_t lowerLetter(wchar_t c);
bool sameLetterIgnoringCase(wchar_t a, wchar_t b);
// The first place of `pattern` in `text`, letters compared as above; npos when it is not there.
std::size_t findIgnoringCase(const std::wstring& text, const std::wstring& pattern);

} // namespace tandrel
