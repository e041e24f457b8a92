#include "tests/common/case_name.h"
#include "tests/e2e/inventory_menu.h"
#include "tests/e2e/inventory_rows.h"
#include "tests/e2e/inventory_status.h"
#include "tests/e2e/list_view.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"

#include <functional>
#include <set>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

constexpr std::wstring_view kAdditionalOnStatus = L"Das Anzeigen von Zusatzpaketen wurde aktiviert!";
constexpr std::wstring_view kAdditionalOffStatus = L"Das Anzeigen von Zusatzpaketen wurde deaktiviert!";

std::vector<InstalledPackage> installedWhere(const std::function<bool(const InstalledPackage&)>& shown) {
    std::vector<InstalledPackage> result;
    std::copy_if(sampleData().installedAll.begin(), sampleData().installedAll.end(),
                 std::back_inserter(result), shown);
    return result;
}

struct OptionCase {
    const char* name;
    bool additionalPackages; // menu item 105
    bool onlySelected;       // menu item 110
    std::function<std::vector<InstalledPackage>()> installed;
    std::function<std::vector<ProvisionedPackage>()> provisioned;
};

// Start-up's rows come straight from the *_default lists; the others are picked out of *_all.
const OptionCase kOptionCases[] = {
    {"AtStartUp", false, true, [] { return sampleData().installedDefault; },
     [] { return sampleData().provisionedDefault; }},
    {"WithAdditionalPackages", true, true,
     [] { return installedWhere([](const InstalledPackage& p) { return p.selected; }); },
     [] { return sampleData().provisionedDefault; }},
    {"AllApps", false, false,
     [] { return installedWhere([](const InstalledPackage& p) { return !p.rootFolder.empty(); }); },
     [] { return sampleData().provisionedAll; }},
    {"AllAppsWithAdditionalPackages", true, false, [] { return sampleData().installedAll; },
     [] { return sampleData().provisionedAll; }},
};

class InventoryLists : public SharedTandrelTest<::testing::TestWithParam<OptionCase>> {
protected:
    static void setOption(int menuId, bool on) {
        if (readMenuItem(app(), menuId).checked == on) {
            return;
        }
        chooseMenuItem(app().mainWindow, menuId);
        waitUntil([&] { return readMenuItem(app(), menuId).checked == on; },
                  "menu item " + std::to_string(menuId) + " did not change its check mark");
    }

    static std::vector<ListViewRow> rowsOf(Control list) {
        return listRows(app().process.handle(), app().control(list));
    }
};

// The lists are filled again after the check mark is set: wait for the rows, then compare.
TEST_P(InventoryLists, ShowTheSampleRowsForTheOptions) {
    const OptionCase& c = GetParam();
    setOption(MenuAdditionalPackages, c.additionalPackages);
    setOption(MenuOnlySelected, c.onlySelected);

    const std::vector<ShownRow> installed = installedRows(c.installed());
    std::vector<ListViewRow> shownInstalled;
    pollUntil(
        [&] { return shownInstalledRows(shownInstalled = rowsOf(Control::InstalledList)) == installed; });
    EXPECT_TRUE(sameRows(shownInstalledRows(shownInstalled), installed)) << "installed list";
    EXPECT_EQ(listColumnCount(app().control(Control::InstalledList)), 6);

    std::set<int> logoImages;
    for (const ListViewRow& row : shownInstalled) {
        if (row.image >= 0) {
            EXPECT_TRUE(logoImages.insert(row.image).second) << "two rows show image " << row.image;
        }
    }

    const std::vector<ShownRow> provisioned = provisionedRows(c.provisioned());
    std::vector<ShownRow> shownProvisioned;
    pollUntil([&] {
        return (shownProvisioned = shownProvisionedRows(rowsOf(Control::ProvisionedList))) == provisioned;
    });
    EXPECT_TRUE(sameRows(shownProvisioned, provisioned)) << "provisioned list";
    EXPECT_EQ(listColumnCount(app().control(Control::ProvisionedList)), 4);
}

INSTANTIATE_TEST_SUITE_P(Options, InventoryLists, ::testing::ValuesIn(kOptionCases), test::CaseName());

using AdditionalPackagesOption = SharedTandrelTest<>;

TEST_F(AdditionalPackagesOption, StatusSaysWhetherItWasSwitchedOnOrOff) {
    const auto toggleAndRead = [](bool on, std::wstring_view status) {
        chooseMenuItem(app().mainWindow, MenuAdditionalPackages);
        EXPECT_TRUE(statusBecomes(app(), status));
        EXPECT_EQ(readMenuItem(app(), MenuAdditionalPackages).checked, on);
    };
    ASSERT_FALSE(readMenuItem(app(), MenuAdditionalPackages).checked) << "the option is on at start-up";
    toggleAndRead(true, kAdditionalOnStatus);
    toggleAndRead(false, kAdditionalOffStatus);
}

} // namespace
} // namespace tandrel::e2e
