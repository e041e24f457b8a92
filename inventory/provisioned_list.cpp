#include "app/commands.h"
#include "app/state.h"
#include "app/window_content.h"
#include "inventory/indirect_string.h"
#include "inventory/lists.h"
#include "inventory/manifest.h"
#include "inventory/registry_reading.h"
#include "inventory/selected_apps.h"
#include "platform/platform.h"

namespace tandrel {
namespace {

constexpr wchar_t kStoreKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Appx\\AppxAllUserStore\\Applications";

struct ProvisionedPackage {
    std::wstring displayName;
    std::wstring longName;
    std::wstring packageName;
    std::wstring manifestPath;
};

std::wstring replaced(std::wstring text, const std::wstring& from, const std::wstring& to) {
    for (auto at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The store names a package for all architectures ("_neutral_~_"); the repository may know
// it only under the architecture it was registered for, the 32-bit form first.
std::wstring displayNameOf(const std::wstring& longName, Platform& p, unsigned viewFlag) {
    const unsigned access = kKeyQueryValue | viewFlag;
    for (const std::wstring& name : {longName, replaced(longName, L"_neutral_~_", L"_x86__"),
                                     replaced(longName, L"_neutral_~_", L"_x64__")}) {
        KeyOwner key(p.registry, p.registry.open(RegistryRoot::ClassesRoot, kPackagesKey + name, access));
        if (!key) {
            continue;
        }
        const auto value = KeyReader(p.registry, *key).string(L"DisplayName");
        if (!value) {
            return {};
        }
        return value->compare(0, 2, L"@{") == 0 ? resolveIndirectString(*value, p, viewFlag) : *value;
    }
    return {};
}

void readStoreEntry(ProvisionedPackage& package, Platform& p, RegistryKey store, unsigned viewFlag) {
    KeyOwner entry(p.registry, p.registry.openSubKey(store, package.longName, kKeyQueryValue | viewFlag));
    if (!entry) {
        return;
    }
    const auto path = KeyReader(p.registry, *entry).string(L"Path");
    if (!path) {
        return;
    }
    package.manifestPath = *path;
    package.packageName = manifestPackageName(manifestText(p.files.readFile(package.manifestPath)));
    package.displayName = displayNameOf(package.longName, p, viewFlag);
}

} // namespace

void fillProvisionedList(AppState& state, Platform& p) {
    setStatusText(state, p.ui, L"liste vorinstallierte Apps...");
    p.ui.clearList(Control::ProvisionedList);

    const unsigned viewFlag = state.registryViewFlag;
    KeyOwner store(p.registry, p.registry.open(RegistryRoot::LocalMachine, kStoreKey,
                                               kKeyEnumerateSubKeys | kKeyQueryValue | viewFlag));
    if (!store) {
        return;
    }
    const KeyReader storeReader(p.registry, *store);
    int rows = 0;
    for (unsigned i = 0; i < storeReader.info.subKeys; ++i) {
        ProvisionedPackage package;
        const auto longName = storeReader.subKeyName(i);
        if (!longName) {
            continue;
        }
        package.longName = *longName;
        readStoreEntry(package, p, *store, viewFlag);
        if (state.onlySelected != 0 && !isSelectedApp(state.selectedApps, package.packageName)) {
            continue;
        }
        const std::wstring rowText = package.displayName + L'\n' + package.longName + L'\n' +
                                     package.packageName + L'\n' + package.manifestPath;
        p.ui.addRowWithRowIcon(Control::ProvisionedList, rows++, rowText,
                               package.displayName.empty() ? kRowIconNoDisplayName : kRowIconPackage);
    }
}

} // namespace tandrel
