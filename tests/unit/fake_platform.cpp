#include "fake_platform.h"

#include <algorithm>
#include <cwctype>

namespace tandrel::test {

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 128 ? static_cast<char>(c) : '?';
    }
    return out;
}

std::wstring FakeSystem::upperCase(const std::wstring& text) {
    std::wstring out = text;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))); });
    return out;
}

std::optional<std::vector<std::uint8_t>> FakeVersionInfo::load(const std::wstring&) {
    if (!hasResource) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>{1};
}

// Like VerQueryValueW: empty path components are skipped and names compare without case.
std::optional<std::vector<std::uint8_t>> FakeVersionInfo::query(const std::vector<std::uint8_t>&,
                                                                const std::wstring& subBlock) {
    queries.push_back(subBlock);
    std::wstring normal;
    for (wchar_t c : subBlock) {
        if (c == L'\\' && !normal.empty() && normal.back() == L'\\') {
            continue;
        }
        normal += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    for (const auto& [path, bytes] : blocks) {
        std::wstring lower = path;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
        if (lower == normal) {
            return bytes;
        }
    }
    return std::nullopt;
}

void FakeVersionInfo::setTranslation(std::uint16_t language, std::uint16_t codePage) {
    blocks[L"\\VarFileInfo\\Translation"] = {
        static_cast<std::uint8_t>(language & 0xff), static_cast<std::uint8_t>(language >> 8),
        static_cast<std::uint8_t>(codePage & 0xff), static_cast<std::uint8_t>(codePage >> 8)};
}

void FakeVersionInfo::setString(const std::wstring& table, const std::wstring& key,
                                const std::wstring& value) {
    std::vector<std::uint8_t> bytes;
    for (wchar_t c : value + L'\0') {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xff));
        bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xff));
    }
    blocks[L"\\StringFileInfo\\" + table + L"\\" + key] = bytes;
}

FakePlatform::FakePlatform() {
    files.present.insert(L"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe");
    versions.setTranslation(0x0407, 0x04B0);
    versions.setString(L"040704b0", L"FileVersion", L"2,1,2,151");
}

} // namespace tandrel::test
