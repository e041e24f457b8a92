#pragma once

#include <algorithm>
#include <string>

namespace tandrel {

// What a filled character buffer holds: up to its first NUL, or all of it when there is none.
inline std::wstring textUpToNul(std::wstring buffer) {
    buffer.resize(std::min(buffer.find(L'\0'), buffer.size()));
    return buffer;
}

} // namespace tandrel
