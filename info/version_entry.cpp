#include "info/version_entry.h"

#include "platform/version_info.h"

#include <cstdio>

namespace tandrel {
namespace {

void replaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to) {
    for (auto at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

unsigned word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<unsigned>(bytes[at] | (bytes[at + 1] << 8));
}

// The string table that belongs to the first language and code-page pair, e.g. "040704B0".
std::wstring tableName(const std::vector<std::uint8_t>& translation) {
    wchar_t name[9];
    std::swprintf(name, 9, L"%04X%04X", word(translation, 0), word(translation, 2));
    return name;
}

std::wstring textUpToNul(const std::vector<std::uint8_t>& bytes) {
    std::wstring text;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto c = static_cast<wchar_t>(word(bytes, at));
        if (c == L'\0') {
            break;
        }
        text += c;
    }
    return text;
}

} // namespace

std::wstring cleanVersionEntry(std::wstring text) {
    replaceAll(text, L"\r\n", L"  ");
    replaceAll(text, L"\r", L"  ");
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring readVersionEntry(VersionInfo& versions, const std::wstring& path, const std::wstring& key) {
    std::wstring result;
    if (const auto resource = versions.load(path)) {
        const auto translation = versions.query(*resource, L"\\\\VarFileInfo\\\\Translation");
        // A pair is two words; anything shorter names no table.
        if (translation && translation->size() >= 4) {
            const auto value = versions.query(*resource, L"\\\\StringFileInfo\\\\" + tableName(*translation) +
                                                             L"\\\\" + key);
            if (value) {
                result = textUpToNul(*value);
            }
        }
    }
    return cleanVersionEntry(std::move(result));
}

} // namespace tandrel
