#include "tests/common/case_name.h"
#include "tests/e2e/inventory_sample_data.h"
#include "tests/e2e/list_view.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/window_query.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

const std::vector<Control> kInstalledButtons{Control::InstallButton, Control::UninstallButton,
                                             Control::RepairButton};
const std::vector<Control> kProvisionedButtons{Control::RemoveButton, Control::ProvisionedRepairButton};

struct SelectionCase {
    const char* name;
    Control list;
    Control field;
    const std::vector<Control>* buttons; // the tab's buttons
    const std::vector<Control>* otherButtons;
    int row;
    // What the field gets: column 2 of an installed row, column 1 of a provisioned row.
    std::function<std::wstring(int row)> packageOfRow;
};

const SelectionCase kCases[] = {
    {"InstalledListGivesTheFullPackageName", Control::InstalledList, Control::InstalledField,
     &kInstalledButtons, &kProvisionedButtons, 2,
     [](int row) { return sampleData().installedDefault.at(static_cast<size_t>(row)).fullName; }},
    {"ProvisionedListGivesTheLongPackageName", Control::ProvisionedList, Control::ProvisionedField,
     &kProvisionedButtons, &kInstalledButtons, 1,
     [](int row) { return sampleData().provisionedDefault.at(static_cast<size_t>(row)).longName; }},
};

class ListSelection : public SharedTandrelTest<::testing::TestWithParam<SelectionCase>> {
protected:
    static bool allEnabled(const std::vector<Control>& buttons, bool enabled) {
        return std::all_of(buttons.begin(), buttons.end(), [&](Control button) {
            return (IsWindowEnabled(app().control(button)) != FALSE) == enabled;
        });
    }
};

TEST_P(ListSelection, PutsTheRowsPackageIntoTheFieldAndEnablesTheTabsButtons) {
    const SelectionCase& c = GetParam();
    const HWND list = app().control(c.list);
    const HWND field = app().control(c.field);
    const std::wstring package = c.packageOfRow(c.row);

    selectListRow(app().process.handle(), list, c.row);
    ASSERT_EQ(listSelectedRow(list), c.row);
    EXPECT_TRUE(pollUntil([&] { return windowText(field) == package; }))
        << "the field holds " << ::testing::PrintToString(windowText(field)) << ", expected "
        << ::testing::PrintToString(package);
    EXPECT_TRUE(pollUntil([&] { return allEnabled(*c.buttons, true); })) << "the tab's buttons stay disabled";
    EXPECT_TRUE(allEnabled(*c.otherButtons, false)) << "the other tab's buttons are enabled";

    selectListRow(app().process.handle(), list, -1);
    EXPECT_TRUE(pollUntil([&] { return windowText(field).empty(); }))
        << "with no row selected the field still holds " << ::testing::PrintToString(windowText(field));
    EXPECT_TRUE(pollUntil([&] { return allEnabled(*c.buttons, false); })) << "the tab's buttons stay enabled";
}

INSTANTIATE_TEST_SUITE_P(Rows, ListSelection, ::testing::ValuesIn(kCases), test::CaseName());

} // namespace
} // namespace tandrel::e2e
