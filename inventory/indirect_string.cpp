#include "inventory/indirect_string.h"

#include "inventory/registry_reading.h"
#include "inventory/text_case.h"
#include "platform/platform.h"

#include <algorithm>
#include <array>

namespace tandrel {
namespace {

// Windows keeps a package's images as variants for display scales and target sizes; a
// reference names the plain file. Preferred: the scales from the smallest, then the sizes.
constexpr std::array kQualifiers{
    L"scale-100",     L"scale-125",     L"scale-150",     L"scale-200",      L"scale-400",
    L"targetsize-16", L"targetsize-20", L"targetsize-24", L"targetsize-30",  L"targetsize-32",
    L"targetsize-36", L"targetsize-40", L"targetsize-48", L"targetsize-60",  L"targetsize-64",
    L"targetsize-72", L"targetsize-80", L"targetsize-96", L"targetsize-256",
};

bool leavesTheRoot(const std::wstring& relative) {
    if (relative.empty() || relative.front() == L'\\' || relative.find(L':') != std::wstring::npos) {
        return true;
    }
    std::size_t start = 0;
    for (;;) {
        const auto end = relative.find(L'\\', start);
        const std::wstring part = relative.substr(start, end - start);
        if (part == L".." || part.empty()) {
            return true;
        }
        if (end == std::wstring::npos) {
            return false;
        }
        start = end + 1;
    }
}

std::wstring withQualifier(const std::wstring& path, const std::wstring& qualifier) {
    const auto slash = path.rfind(L'\\');
    const auto dot = path.rfind(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    const std::size_t at = hasExtension ? dot : path.size();
    return path.substr(0, at) + L"." + qualifier + path.substr(at);
}

std::wstring packageRootFolder(const std::wstring& fullName, Platform& p, unsigned viewFlag) {
    KeyOwner key(p.registry, p.registry.open(RegistryRoot::ClassesRoot, kPackagesKey + fullName,
                                             kKeyQueryValue | viewFlag));
    if (!key) {
        return {};
    }
    return KeyReader(p.registry, *key).string(L"PackageRootFolder").value_or(L"");
}

} // namespace

std::wstring packageFile(const std::wstring& root, const std::wstring& relative, Files& files) {
    std::wstring inside = relative;
    std::replace(inside.begin(), inside.end(), L'/', L'\\');
    if (root.empty() || leavesTheRoot(inside)) {
        return {};
    }
    const std::wstring plain = (root.back() == L'\\' ? root : root + L'\\') + inside;
    if (files.exists(plain)) {
        return plain;
    }
    for (const wchar_t* qualifier : kQualifiers) {
        for (const std::wstring& variant :
             {std::wstring(qualifier), std::wstring(qualifier) + L"_altform-unplated"}) {
            const std::wstring candidate = withQualifier(plain, variant);
            if (files.exists(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

std::wstring resolveIndirectString(const std::wstring& reference, Platform& p, unsigned viewFlag) {
    std::wstring resolved = p.shell.loadIndirectString(reference);
    if (!resolved.empty() || reference.size() < 3 || reference.compare(0, 2, L"@{") != 0 ||
        reference.back() != L'}') {
        return resolved;
    }
    const std::wstring inner = reference.substr(2, reference.size() - 3);
    const auto question = inner.find(L'?');
    const std::wstring scheme = L"ms-resource://";
    if (question == std::wstring::npos || inner.compare(question + 1, scheme.size(), scheme) != 0) {
        return {};
    }
    const std::wstring resource = inner.substr(question + 1 + scheme.size());
    const auto files = findIgnoringCase(resource, L"/Files/");
    if (files == std::wstring::npos) {
        return {};
    }
    return packageFile(packageRootFolder(inner.substr(0, question), p, viewFlag), resource.substr(files + 7),
                       p.files);
}

} // namespace tandrel
