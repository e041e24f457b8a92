#include "tools/powershell_standin/package_identity.h"

#include <array>
#include <cwctype>

namespace tandrel::tools {

PackageIdentity splitFullName(const std::wstring& fullName) {
    std::array<std::wstring, 5> fields;
    std::size_t field = 0;
    for (const wchar_t c : fullName) {
        // The last field takes whatever follows, underscores included.
        if (c == L'_' && field + 1 < fields.size()) {
            ++field;
        } else {
            fields[field] += c;
        }
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

std::wstring familyName(const PackageIdentity& identity) {
    return identity.name + L"_" + identity.publisherId;
}

std::wstring architectureShown(const std::wstring& architecture) {
    std::wstring shown;
    for (const wchar_t c : architecture) {
        shown += static_cast<wchar_t>(shown.empty() ? std::towupper(static_cast<wint_t>(c))
                                                    : std::towlower(static_cast<wint_t>(c)));
    }
    return shown;
}

} // namespace tandrel::tools
