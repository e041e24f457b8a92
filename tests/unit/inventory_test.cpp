#include "app/state.h"
#include "inventory/indirect_string.h"
#include "inventory/installed_list.h"
#include "inventory/lists.h"
#include "inventory/selected_apps.h"

#include "fake_platform.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

const std::wstring kRepository = L"Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel\\";
const std::wstring kFamilies = kRepository + L"Repository\\Families";
const std::wstring kPackages = kRepository + L"Repository\\Packages\\";
const std::wstring kStore =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Appx\\AppxAllUserStore\\Applications";

// A 2 x 1 PNG, red then blue: signature; IHDR 2 x 1, 8-bit RGB; IDAT of one filtered row; IEND.
const std::string
    kTinyPng("\x89PNG\r\n\x1a\n"
             "\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x01\x08\x02\0\0\0\x7b\x40\xe8\xdd"
             "\0\0\0\x0dIDAT\x78\xda\x63\xf8\xcf\x00\x04\xff\x01\x07\x00\x01\xff\x3d\x7d\x8c\x49"
             "\0\0\0\0IEND\xae\x42\x60\x82",
             70);

struct Inventory : testing::Test {
    FakePlatform fake;
    FakeRegistry& registry = fake.registry;
    AppState state;

    Inventory() {
        state.selectedApps = buildSelectedApps();
        state.onlySelected = 0;
        registry.key(RegistryRoot::ClassesRoot, kFamilies);
        registry.key(RegistryRoot::LocalMachine, kStore);
    }

    // A registered package; an empty root leaves PackageRootFolder out.
    FakeKey& install(const std::wstring& family, const std::wstring& fullName,
                     const std::wstring& displayName, const std::wstring& root) {
        registry.key(RegistryRoot::ClassesRoot, kFamilies + L"\\" + family + L"\\" + fullName);
        FakeKey& package = registry.key(RegistryRoot::ClassesRoot, kPackages + fullName);
        package.values[L"DisplayName"] = displayName;
        if (!root.empty()) {
            package.values[L"PackageRootFolder"] = root;
        }
        return package;
    }
    void splash(const std::wstring& family, const std::wstring& entry, const std::wstring& image) {
        registry
            .key(RegistryRoot::ClassesRoot,
                 kRepository + L"SystemAppData\\" + family + L"\\SplashScreen\\" + entry)
            .values[L"Image"] = image;
    }
    FakeKey& provision(const std::wstring& longName, const std::optional<std::wstring>& path) {
        FakeKey& entry = registry.key(RegistryRoot::LocalMachine, kStore + L"\\" + longName);
        if (path) {
            entry.values[L"Path"] = *path;
        }
        return entry;
    }
    const std::vector<std::vector<std::wstring>>& rows(Control list) { return fake.ui.rows[list]; }
    void fillBoth() {
        fillInstalledList(state, fake.platform);
        fillProvisionedList(state, fake.platform);
        EXPECT_EQ(registry.openKeys(), 0u) << "a fill left a key open";
    }
};

TEST_F(Inventory, installedRowsCarryAllSixColumnsInEnumerationOrder) {
    install(L"Microsoft.BingWeather_8wekyb3d8bbwe", L"Microsoft.BingWeather_4.53_x64__8wekyb3d8bbwe",
            L"Wetter", L"C:\\Program Files\\WindowsApps\\Weather");
    install(L"Microsoft.BingWeather_8wekyb3d8bbwe", L"Microsoft.BingWeather_4.54_x64__8wekyb3d8bbwe",
            L"Wetter 2", L"C:\\W2");
    install(L"NoUnderscore", L"NoUnderscore", L"Plain", L"C:\\P");
    fillBoth();
    const std::vector<std::vector<std::wstring>> expected = {
        {L"Wetter", L"Microsoft.BingWeather", L"Microsoft.BingWeather_4.53_x64__8wekyb3d8bbwe",
         L"C:\\Program Files\\WindowsApps\\Weather", L"Microsoft.BingWeather_8wekyb3d8bbwe",
         L"C:\\Program Files\\WindowsApps\\Weather\\AppxManifest.xml"},
        {L"Wetter 2", L"Microsoft.BingWeather", L"Microsoft.BingWeather_4.54_x64__8wekyb3d8bbwe", L"C:\\W2",
         L"Microsoft.BingWeather_8wekyb3d8bbwe", L"C:\\W2\\AppxManifest.xml"},
        {L"Plain", L"NoUnderscore", L"NoUnderscore", L"C:\\P", L"NoUnderscore", L"C:\\P\\AppxManifest.xml"},
    };
    EXPECT_EQ(rows(Control::InstalledList), expected);
    for (unsigned mask : registry.accessMasks) {
        EXPECT_NE(mask & kKeyQueryValue, 0u);
    }
}

TEST_F(Inventory, toolListHoldsEveryPackageShownOrNot) {
    install(L"Fam", L"Fam_1_x64__p", L"Shown", L"C:\\R");
    install(L"Fam", L"Fam.NoRoot_1_x64__p", L"Hidden", L"");
    state.onlySelected = 1;
    fillBoth();
    EXPECT_TRUE(rows(Control::InstalledList).empty());
    EXPECT_EQ(state.toolList, L"Familienname der App:       Fam\r\n"
                              L"Kurzer Paketname der App:   Fam\r\n"
                              L"Voller Paketname der App:   Fam_1_x64__p\r\n"
                              L"Installationspfad:          C:\\R\r\n"
                              L"Name der App     :          Shown\r\n"
                              L"Manifestdatei:     :        C:\\R\\AppxManifest.xml\r\n"
                              L"\r\n"
                              L"Familienname der App:       Fam\r\n"
                              L"Kurzer Paketname der App:   Fam.NoRoot\r\n"
                              L"Voller Paketname der App:   Fam.NoRoot_1_x64__p\r\n"
                              L"\r\n");
}

struct FilterCase {
    const char* name;
    bool hasRoot;
    int additional;
    int onlySelected;
    const wchar_t* fullName;
    bool shown;
};

class InstalledFilter : public Inventory, public testing::WithParamInterface<FilterCase> {};

TEST_P(InstalledFilter, showsByRootFolderAndBothOptions) {
    const auto& c = GetParam();
    install(L"F", c.fullName, L"Name", c.hasRoot ? L"C:\\R" : L"");
    state.additionalPackages = c.additional;
    state.onlySelected = c.onlySelected;
    fillBoth();
    ASSERT_EQ(rows(Control::InstalledList).size(), c.shown ? 1u : 0u);
    if (c.shown && !c.hasRoot) {
        EXPECT_EQ(rows(Control::InstalledList)[0][3], L"");
        EXPECT_EQ(rows(Control::InstalledList)[0][5], L"");
    }
}

const FilterCase kFilterCases[] = {
    {"rootShown", true, 0, 0, L"Other_1_x64__p", true},
    {"noRootHidden", false, 0, 0, L"Other_1_x64__p", false},
    {"noRootWithAdditional", false, 1, 0, L"Other_1_x64__p", true},
    {"notSelectedHidden", true, 0, 1, L"Other_1_x64__p", false},
    {"selectedShown", true, 0, 1, L"Microsoft.WindowsCalculator_1_x64__p", true},
    {"noRootSelectedWithAdditional", false, 1, 1, L"Microsoft.MSPaint_1_x64__p", true},
    {"noRootNotSelectedWithAdditional", false, 1, 1, L"Other_1_x64__p", false},
};

INSTANTIATE_TEST_SUITE_P(Options, InstalledFilter, testing::ValuesIn(kFilterCases), CaseName());

struct FailureCase {
    const char* name;
    void (*arrange)(Inventory&);
    std::size_t rows;
    const wchar_t* toolList; // what the tool list holds afterwards
};

class InstalledFailures : public Inventory, public testing::WithParamInterface<FailureCase> {};

TEST_P(InstalledFailures, skipOnlyWhatDependsOnThem) {
    state.toolList = L"before";
    install(L"F", L"F_1_x64__p", L"Name", L"C:\\R");
    GetParam().arrange(*this);
    fillBoth();
    EXPECT_EQ(rows(Control::InstalledList).size(), GetParam().rows);
    EXPECT_EQ(state.toolList, GetParam().toolList);
}

const wchar_t* const kOneBlock = L"Familienname der App:       F\r\n"
                                 L"Kurzer Paketname der App:   F\r\n"
                                 L"Voller Paketname der App:   F_1_x64__p\r\n"
                                 L"Installationspfad:          C:\\R\r\n"
                                 L"Name der App     :          Name\r\n"
                                 L"Manifestdatei:     :        C:\\R\\AppxManifest.xml\r\n\r\n";

const FailureCase kFailureCases[] = {
    {"familiesKeyMissing",
     [](Inventory& t) { t.registry.key(RegistryRoot::ClassesRoot, kFamilies).refuseOpen = true; }, 0,
     L"before"},
    {"familiesKeyEmpty",
     [](Inventory& t) { t.registry.key(RegistryRoot::ClassesRoot, kFamilies).subKeys.clear(); }, 0, L""},
    {"familyNotEnumerable",
     [](Inventory& t) { t.registry.key(RegistryRoot::ClassesRoot, kFamilies).refuseEnum.insert(0); }, 0, L""},
    {"familyNotOpenable",
     [](Inventory& t) { t.registry.key(RegistryRoot::ClassesRoot, kFamilies + L"\\F").refuseOpen = true; }, 0,
     L""},
    {"packageNotEnumerable",
     [](Inventory& t) { t.registry.key(RegistryRoot::ClassesRoot, kFamilies + L"\\F").refuseEnum.insert(0); },
     0,
     L"Familienname der App:       F\r\nKurzer Paketname der App:   \r\nVoller Paketname der App:   "
     L"\r\n\r\n"},
    {"packageKeyMissing",
     [](Inventory& t) {
         t.registry.key(RegistryRoot::ClassesRoot, kPackages + L"F_1_x64__p").refuseOpen = true;
     },
     0,
     L"Familienname der App:       F\r\nKurzer Paketname der App:   F\r\nVoller Paketname der App:   "
     L"F_1_x64__p\r\n\r\n"},
    {"displayNameOfAnotherType",
     [](Inventory& t) {
         t.registry.key(RegistryRoot::ClassesRoot, kPackages + L"F_1_x64__p").values[L"DisplayName"] =
             std::nullopt;
     },
     1,
     L"Familienname der App:       F\r\nKurzer Paketname der App:   F\r\nVoller Paketname der App:   "
     L"F_1_x64__p\r\n"
     L"Installationspfad:          C:\\R\r\nName der App     :          \r\n"
     L"Manifestdatei:     :        C:\\R\\AppxManifest.xml\r\n\r\n"},
    {"manifestMissing", [](Inventory&) {}, 1, kOneBlock},
};

INSTANTIATE_TEST_SUITE_P(Registry, InstalledFailures, testing::ValuesIn(kFailureCases), CaseName());

TEST_F(Inventory, logoComesFromTheFirstSplashImageThatExists) {
    install(L"F", L"F_1_x64__p", L"Name", L"C:\\R");
    fake.files.write(L"C:\\R\\AppxManifest.xml", "<Properties><Logo>Assets\\Logo.png</Logo></Properties>");
    splash(L"F", L"App0", L"C:\\R\\not-a-reference.png");
    splash(L"F", L"App1", L"@{F_1_x64__p?ms-resource://F/Files/Assets/Splash.png}");
    splash(L"F", L"App2", L"@{F_1_x64__p?ms-resource://F/Files/Assets/Other.png}");
    fake.files.write(L"C:\\R\\not-a-reference.png", kTinyPng);
    fake.files.write(L"C:\\R\\Assets\\Logo.scale-200.png", kTinyPng);
    fillBoth();
    ASSERT_EQ(fake.ui.rowIcons[Control::InstalledList], std::vector<int>{FakeUi::kImageIcon});
    const Image& logo = fake.ui.rowImages[Control::InstalledList][0];
    EXPECT_EQ(logo.width, 16);
    EXPECT_EQ(logo.height, 16);
    EXPECT_EQ(logo.pixels.front(), 0xFFFF0000u);
    EXPECT_EQ(logo.pixels.back(), 0xFF0000FFu);
    // The first subkey's value is no reference and is never read; the logo path replaced the file name.
    EXPECT_EQ(fake.files.reads.back(), L"C:\\R\\Assets\\Logo.scale-200.png");
}

TEST_F(Inventory, anExistingImageThatDoesNotDecodeEndsTheWalkWithoutIcon) {
    install(L"F", L"F_1_x64__p", L"Name", L"C:\\R");
    splash(L"F", L"App1", L"@{F_1_x64__p?ms-resource://F/Files/bad.png}");
    splash(L"F", L"App2", L"@{F_1_x64__p?ms-resource://F/Files/good.png}");
    fake.files.write(L"C:\\R\\bad.png", "not an image");
    fake.files.write(L"C:\\R\\good.png", kTinyPng);
    // No manifest, so no logo path: "/Files/" is followed directly by the closing brace.
    fake.shell.indirect[L"@{F_1_x64__p?ms-resource://F/Files/}"] = L"C:\\R\\bad.png";
    fillBoth();
    EXPECT_EQ(fake.ui.rowIcons[Control::InstalledList], std::vector<int>{FakeUi::kNoIcon});
}

TEST_F(Inventory, displayNamesInReferenceFormGoThroughTheShell) {
    install(L"F", L"F_1_x64__p", L"@{F_1_x64__p?ms-resource://F/Resources/AppName}", L"C:\\R");
    install(L"G", L"G_1_x64__p", L"@{G_1_x64__p?ms-resource://G/Resources/AppName}", L"C:\\S");
    fake.shell.indirect[L"@{F_1_x64__p?ms-resource://F/Resources/AppName}"] = L"Rechner";
    fillBoth();
    EXPECT_EQ(rows(Control::InstalledList)[0][0], L"Rechner");
    EXPECT_EQ(rows(Control::InstalledList)[1][0], L"");
}

TEST_F(Inventory, provisionedRowsTakeTheirNamesFromManifestAndRepository) {
    provision(L"Microsoft.BingWeather_4.53_neutral_~_8we", L"C:\\M\\weather.xml");
    provision(L"Broken_1_neutral_~_p", std::nullopt);
    provision(L"NoManifest_1_neutral_~_p", L"C:\\M\\missing.xml");
    fake.files.write(L"C:\\M\\weather.xml", "<Identity Name=\"Microsoft.BingWeather\"/>");
    install(L"W", L"Microsoft.BingWeather_4.53_x64__8we", L"Wetter", L"C:\\W");
    fillBoth();
    const std::vector<std::vector<std::wstring>> expected = {
        {L"Wetter", L"Microsoft.BingWeather_4.53_neutral_~_8we", L"Microsoft.BingWeather",
         L"C:\\M\\weather.xml"},
        {L"", L"Broken_1_neutral_~_p", L"", L""},
        {L"", L"NoManifest_1_neutral_~_p", L"", L"C:\\M\\missing.xml"},
    };
    EXPECT_EQ(rows(Control::ProvisionedList), expected);
    EXPECT_EQ(fake.ui.rowIcons[Control::ProvisionedList], (std::vector<int>{22, 3, 3}));

    state.onlySelected = 1;
    fillBoth();
    EXPECT_EQ(rows(Control::ProvisionedList), std::vector<std::vector<std::wstring>>{expected[0]});
}

struct LookupCase {
    const char* name;
    std::vector<const wchar_t*> registered; // package keys that exist, each with its name as display name
    const wchar_t* longName;
    const wchar_t* displayName;
};

class DisplayNameLookup : public Inventory, public testing::WithParamInterface<LookupCase> {};

TEST_P(DisplayNameLookup, triesTheStoreNameThenX86ThenX64) {
    provision(GetParam().longName, L"C:\\m.xml");
    for (const wchar_t* name : GetParam().registered) {
        registry.key(RegistryRoot::ClassesRoot, kPackages + name).values[L"DisplayName"] = name;
    }
    fillBoth();
    EXPECT_EQ(rows(Control::ProvisionedList).at(0).at(0), GetParam().displayName);
}

const LookupCase kLookupCases[] = {
    {"storeName", {L"A_1_neutral_~_p", L"A_1_x86__p"}, L"A_1_neutral_~_p", L"A_1_neutral_~_p"},
    {"x86BeforeX64", {L"A_1_x64__p", L"A_1_x86__p"}, L"A_1_neutral_~_p", L"A_1_x86__p"},
    {"x64Last", {L"A_1_x64__p"}, L"A_1_neutral_~_p", L"A_1_x64__p"},
    {"none", {}, L"A_1_neutral_~_p", L""},
    {"noNeutralPartTriedAsItIs", {L"A_1_x64__p"}, L"A_1_x64__p", L"A_1_x64__p"},
};

INSTANTIATE_TEST_SUITE_P(Names, DisplayNameLookup, testing::ValuesIn(kLookupCases), CaseName());

TEST_F(Inventory, provisionedStoreMissingLeavesAnEmptyList) {
    provision(L"A_1_neutral_~_p", L"C:\\m.xml");
    registry.key(RegistryRoot::LocalMachine, kStore).refuseOpen = true;
    fillBoth();
    EXPECT_TRUE(rows(Control::ProvisionedList).empty());
}

TEST_F(Inventory, aPackageWithoutManifestGetsNoNameFromThePackageBefore) {
    provision(L"Microsoft.MSPaint_1_neutral_~_p", L"C:\\paint.xml");
    provision(L"Next_1_neutral_~_p", L"C:\\unreadable.xml");
    fake.files.write(L"C:\\paint.xml", "Name=\"Microsoft.MSPaint\"");
    fillBoth();
    EXPECT_EQ(rows(Control::ProvisionedList)[1][2], L"");
}

struct FileCase {
    const char* name;
    const wchar_t* relative;
    std::vector<const wchar_t*> present;
    const wchar_t* found;
};

class PackageFiles : public testing::TestWithParam<FileCase> {};

TEST_P(PackageFiles, resolveInsideTheRootOnly) {
    CallLog log;
    FakeFiles files(log);
    for (const wchar_t* p : GetParam().present) {
        files.present.insert(p);
    }
    EXPECT_EQ(packageFile(L"C:\\Apps\\Pkg", GetParam().relative, files), GetParam().found);
}

const FileCase kFileCases[] = {
    {"plain", L"Assets/Logo.png", {L"C:\\Apps\\Pkg\\Assets\\Logo.png"}, L"C:\\Apps\\Pkg\\Assets\\Logo.png"},
    {"scaleVariant",
     L"Assets/Logo.png",
     {L"C:\\Apps\\Pkg\\Assets\\Logo.scale-200.png"},
     L"C:\\Apps\\Pkg\\Assets\\Logo.scale-200.png"},
    {"smallestScaleFirst",
     L"Logo.png",
     {L"C:\\Apps\\Pkg\\Logo.scale-400.png", L"C:\\Apps\\Pkg\\Logo.scale-100.png"},
     L"C:\\Apps\\Pkg\\Logo.scale-100.png"},
    {"unplatedTargetSize",
     L"Logo.png",
     {L"C:\\Apps\\Pkg\\Logo.targetsize-48_altform-unplated.png"},
     L"C:\\Apps\\Pkg\\Logo.targetsize-48_altform-unplated.png"},
    {"scaleBeforeTargetSize",
     L"Logo.png",
     {L"C:\\Apps\\Pkg\\Logo.targetsize-16.png", L"C:\\Apps\\Pkg\\Logo.scale-150.png"},
     L"C:\\Apps\\Pkg\\Logo.scale-150.png"},
    {"missing", L"Logo.png", {}, L""},
    {"parentFolder", L"../Other/Logo.png", {L"C:\\Apps\\Other\\Logo.png"}, L""},
    {"parentInside", L"Assets/../../Logo.png", {L"C:\\Apps\\Logo.png"}, L""},
    {"drive", L"D:/Logo.png", {L"D:\\Logo.png"}, L""},
    {"unc", L"//server/share/Logo.png", {L"\\\\server\\share\\Logo.png"}, L""},
    {"rooted", L"\\Logo.png", {L"\\Logo.png"}, L""},
    {"empty", L"", {L"C:\\Apps\\Pkg\\"}, L""},
};

INSTANTIATE_TEST_SUITE_P(Paths, PackageFiles, testing::ValuesIn(kFileCases), CaseName());

} // namespace
} // namespace tandrel::test
