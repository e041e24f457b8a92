#include "tools/powershell_standin/appx_store.h"

#include "tools/powershell_standin/registry_key.h"

namespace tandrel::tools {
namespace {

const std::wstring kFamilies = std::wstring(kRepositoryKey) + L"\\Families";
const std::wstring kPackages = std::wstring(kRepositoryKey) + L"\\Packages";

// A package name is one key name: a text with a backslash would reach into other keys, and an empty
// one would name the parent itself.
bool isOneKeyName(const std::wstring& name) {
    return !name.empty() && name.find(L'\\') == std::wstring::npos;
}

std::wstring rootFolderOf(const std::wstring& fullName) {
    const UniqueKey package = openKey(HKEY_CLASSES_ROOT, kPackages + L"\\" + fullName);
    return package ? stringValue(package.get(), L"PackageRootFolder").value_or(L"") : L"";
}

} // namespace

std::vector<InstalledPackage> installedPackages() {
    std::vector<InstalledPackage> packages;
    const UniqueKey families = openKey(HKEY_CLASSES_ROOT, kFamilies);
    if (!families) {
        return packages;
    }
    for (const std::wstring& family : subkeyNames(families.get())) {
        const UniqueKey members = openKey(families.get(), family);
        for (const std::wstring& fullName :
             members ? subkeyNames(members.get()) : std::vector<std::wstring>{}) {
            packages.push_back({fullName, rootFolderOf(fullName)});
        }
    }
    return packages;
}

bool removeInstalledPackage(const std::wstring& fullName) {
    const UniqueKey families = openKey(HKEY_CLASSES_ROOT, kFamilies, KEY_READ | KEY_WRITE);
    if (!families || !isOneKeyName(fullName)) {
        return false;
    }
    for (const std::wstring& family : subkeyNames(families.get())) {
        const UniqueKey members = openKey(families.get(), family, KEY_READ | KEY_WRITE);
        if (!members || RegDeleteTreeW(members.get(), fullName.c_str()) != ERROR_SUCCESS) {
            continue;
        }
        if (subkeyNames(members.get()).empty()) {
            RegDeleteKeyW(families.get(), family.c_str());
        }
        const UniqueKey packages = openKey(HKEY_CLASSES_ROOT, kPackages, KEY_READ | KEY_WRITE);
        if (packages) {
            RegDeleteTreeW(packages.get(), fullName.c_str());
        }
        return true;
    }
    return false;
}

std::vector<ProvisionedPackage> provisionedPackages() {
    std::vector<ProvisionedPackage> packages;
    const UniqueKey store = openKey(HKEY_LOCAL_MACHINE, kAllUserStoreKey);
    if (!store) {
        return packages;
    }
    for (const std::wstring& name : subkeyNames(store.get())) {
        const UniqueKey entry = openKey(store.get(), name);
        packages.push_back({name, entry ? stringValue(entry.get(), L"Path").value_or(L"") : L""});
    }
    return packages;
}

bool removeProvisionedPackage(const std::wstring& packageName) {
    const UniqueKey store = openKey(HKEY_LOCAL_MACHINE, kAllUserStoreKey, KEY_READ | KEY_WRITE);
    return store && isOneKeyName(packageName) &&
           RegDeleteTreeW(store.get(), packageName.c_str()) == ERROR_SUCCESS;
}

} // namespace tandrel::tools
