#include "inventory/installed_list.h"

#include "app/commands.h"
#include "app/state.h"
#include "inventory/image/image.h"
#include "inventory/indirect_string.h"
#include "inventory/lists.h"
#include "inventory/manifest.h"
#include "inventory/registry_reading.h"
#include "inventory/selected_apps.h"
#include "inventory/text_case.h"
#include "platform/platform.h"

namespace tandrel {
namespace {

constexpr wchar_t kFamiliesKey[] =
    L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\Repository\\Families";
constexpr wchar_t kSystemAppDataKey[] =
    L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\SystemAppData\\";

struct FillContext {
    AppState& state;
    Platform& p;
    unsigned enumerate;
    unsigned query;
};

std::wstring resolvedDisplayName(FillContext& c, const std::optional<std::wstring>& value) {
    if (!value) {
        return {};
    }
    return value->compare(0, 2, L"@{") == 0 ? resolveIndirectString(*value, c.p, c.state.registryViewFlag)
                                            : *value;
}

void readPackageKey(FillContext& c, InstalledPackage& package) {
    KeyOwner key(c.p.registry,
                 c.p.registry.open(RegistryRoot::ClassesRoot, kPackagesKey + package.fullName, c.query));
    if (!key) {
        return;
    }
    const KeyReader reader(c.p.registry, *key);
    package.displayName = resolvedDisplayName(c, reader.string(L"DisplayName"));
    package.rootFolder = reader.string(L"PackageRootFolder").value_or(L"");
}

std::optional<Image> loadLogo(FillContext& c, const std::wstring& path) {
    const auto bytes = c.p.files.readFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    const auto image = decodeImage(*bytes);
    if (!image) {
        return std::nullopt;
    }
    const Size size = c.p.ui.smallIconSize();
    return scaleSmooth(*image, size.width, size.height);
}

// The first splash-screen image that exists on disk decides, whether it decodes or not.
std::optional<Image> splashScreenLogo(FillContext& c, const std::wstring& familyName,
                                      const std::wstring& logoPath) {
    Registry& registry = c.p.registry;
    KeyOwner splash(registry, registry.open(RegistryRoot::ClassesRoot,
                                            kSystemAppDataKey + familyName + L"\\SplashScreen", c.enumerate));
    if (!splash) {
        return std::nullopt;
    }
    const KeyReader splashReader(registry, *splash);
    for (unsigned k = 0; k < splashReader.info.subKeys; ++k) {
        const auto name = splashReader.subKeyName(k);
        if (!name) {
            continue;
        }
        KeyOwner entry(registry, registry.openSubKey(*splash, *name, c.query));
        if (!entry) {
            continue;
        }
        auto image = KeyReader(registry, *entry).string(L"Image");
        if (!image || image->compare(0, 2, L"@{") != 0) {
            continue;
        }
        const auto files = findIgnoringCase(*image, L"/Files/");
        if (files != std::wstring::npos) {
            *image = image->substr(0, files + 7) + logoPath + L"}";
        }
        const std::wstring imagePath = resolveIndirectString(*image, c.p, c.state.registryViewFlag);
        if (c.p.files.exists(imagePath)) {
            return loadLogo(c, imagePath);
        }
    }
    return std::nullopt;
}

bool isShown(const AppState& state, const InstalledPackage& package) {
    return (!package.rootFolder.empty() || state.additionalPackages != 0) &&
           (state.onlySelected == 0 || isSelectedApp(state.selectedApps, package.packageName));
}

std::wstring rowText(const InstalledPackage& package) {
    return package.displayName + L'\n' + package.packageName + L'\n' + package.fullName + L'\n' +
           package.rootFolder;
}

// Every package subkey gets its tool-list block, shown or not, read or not.
void addPackage(FillContext& c, const std::wstring& familyName, const KeyReader& family, unsigned index,
                int& rows) {
    InstalledPackage package;
    package.familyName = familyName;
    if (const auto fullName = family.subKeyName(index)) {
        package.fullName = *fullName;
        package.packageName = packageNameOf(*fullName);
        readPackageKey(c, package);
        std::wstring logoPath;
        if (!package.rootFolder.empty()) {
            package.manifestPath = package.rootFolder + L"\\AppxManifest.xml";
            logoPath = appLogoPath(manifestText(c.p.files.readFile(package.manifestPath)));
        }
        const auto logo = splashScreenLogo(c, familyName, logoPath);
        if (isShown(c.state, package)) {
            c.p.ui.addRow(Control::InstalledList, rows, rowText(package), logo ? &*logo : nullptr);
            c.p.ui.setCellText(Control::InstalledList, rows, 4, package.familyName);
            c.p.ui.setCellText(Control::InstalledList, rows, 5, package.manifestPath);
            ++rows;
        }
    }
    c.state.toolList += toolListBlock(package);
}

} // namespace

void fillInstalledList(AppState& state, Platform& p) {
    setStatusText(state, p.ui, L"liste installierte Apps...");
    p.ui.clearList(Control::InstalledList);
    p.ui.enableControl(Control::InstallButton, false);
    p.ui.enableControl(Control::UninstallButton, false);

    FillContext c{state, p, kKeyEnumerateSubKeys | kKeyQueryValue | state.registryViewFlag,
                  kKeyQueryValue | state.registryViewFlag};
    KeyOwner families(p.registry, p.registry.open(RegistryRoot::ClassesRoot, kFamiliesKey, c.enumerate));
    if (!families) {
        return;
    }
    const KeyReader familiesReader(p.registry, *families);
    int rows = 0;
    state.toolList.clear();
    for (unsigned i = 0; i < familiesReader.info.subKeys; ++i) {
        const auto familyName = familiesReader.subKeyName(i);
        if (!familyName) {
            continue;
        }
        KeyOwner family(p.registry, p.registry.openSubKey(*families, *familyName, c.enumerate));
        if (!family) {
            continue;
        }
        const KeyReader familyReader(p.registry, *family);
        for (unsigned j = 0; j < familyReader.info.subKeys; ++j) {
            addPackage(c, *familyName, familyReader, j, rows);
        }
    }
}

std::wstring packageNameOf(const std::wstring& fullName) {
    return fullName.substr(0, fullName.find(L'_'));
}

std::wstring toolListBlock(const InstalledPackage& package) {
    std::wstring block = L"Familienname der App:       " + package.familyName + L"\r\n";
    block += L"Kurzer Paketname der App:   " + package.packageName + L"\r\n";
    block += L"Voller Paketname der App:   " + package.fullName + L"\r\n";
    if (!package.rootFolder.empty()) {
        block += L"Installationspfad:          " + package.rootFolder + L"\r\n";
        block += L"Name der App     :          " + package.displayName + L"\r\n";
        block += L"Manifestdatei:     :        " + package.manifestPath + L"\r\n";
    }
    return block + L"\r\n";
}

} // namespace tandrel
