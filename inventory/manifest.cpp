#include "inventory/manifest.h"

#include "app/utf8.h"
#include "inventory/text_case.h"

#include <algorithm>

namespace tandrel {

std::wstring manifestText(const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes) {
        return {};
    }
    const auto end = std::find(bytes->begin(), bytes->end(), std::uint8_t{0});
    return decodeUtf8(
        std::span<const std::uint8_t>(bytes->data(), static_cast<std::size_t>(end - bytes->begin())));
}

// Both cuts count from the end of the text, so a closing tag without its opening one still
// yields the text before it less five characters, as the program always did.
std::wstring appLogoPath(const std::wstring& manifest) {
    const auto close = findIgnoringCase(manifest, L"</Logo>");
    if (close == std::wstring::npos) {
        return {};
    }
    const std::wstring cut = manifest.substr(0, close);
    const auto open = findIgnoringCase(cut, L"<Logo>");
    const std::size_t q = open == std::wstring::npos ? 0 : open + 1;
    if (cut.size() < q + 6) {
        return {};
    }
    std::wstring path = cut.substr(q + 5);
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

std::wstring manifestPackageName(const std::wstring& manifest) {
    const auto name = findIgnoringCase(manifest, L"Name=");
    if (name == std::wstring::npos || manifest.size() < name + 7) {
        return {};
    }
    // Skips the character after "=", normally the opening quote.
    const std::wstring rest = manifest.substr(name + 6);
    const auto quote = rest.find(L'"');
    return quote == std::wstring::npos ? std::wstring() : rest.substr(0, quote);
}

} // namespace tandrel
