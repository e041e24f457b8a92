#include "tools/common/utf8.h"

#include <windows.h>

namespace tandrel::tools {

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring fromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int byteLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), byteLength, nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), byteLength, result.data(), length);
    return result;
}

} // namespace tandrel::tools
