#include "tests/common/case_name.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct Button {
    Control control;
    const char* name;
};

const Button kButtons[] = {
    {Control::InstallButton, "install"},
    {Control::UninstallButton, "uninstall"},
    {Control::RepairButton, "repair"},
    {Control::RemoveButton, "remove"},
    {Control::ProvisionedRepairButton, "provisioned repair"},
};

struct FieldCase {
    const char* name;
    Control field;
    std::vector<Control> buttons;
    std::wstring_view text;
};

const std::vector<Control> kInstalledButtons{Control::InstallButton, Control::UninstallButton,
                                             Control::RepairButton};
const std::vector<Control> kProvisionedButtons{Control::RemoveButton, Control::ProvisionedRepairButton};

// A field that holds only a blank is not empty.
const FieldCase kCases[] = {
    {"InstalledPackageName", Control::InstalledField, kInstalledButtons,
     L"Microsoft.WindowsCalculator_11.2210.0.0_x64__8wekyb3d8bbwe"},
    {"InstalledBlank", Control::InstalledField, kInstalledButtons, L" "},
    {"ProvisionedPackageName", Control::ProvisionedField, kProvisionedButtons,
     L"Microsoft.BingWeather_4.53.51922.0_neutral_~_8wekyb3d8bbwe"},
    {"ProvisionedBlank", Control::ProvisionedField, kProvisionedButtons, L" "},
};

class AfterEventRule : public SharedTandrelTest<::testing::TestWithParam<FieldCase>> {
protected:
    // The state every button should have when `enabled` lists those of the field with text.
    static bool buttonsAre(const std::vector<Control>& enabled) {
        return std::all_of(std::begin(kButtons), std::end(kButtons), [&](const Button& button) {
            const bool shouldBeEnabled =
                std::find(enabled.begin(), enabled.end(), button.control) != enabled.end();
            return (IsWindowEnabled(app().control(button.control)) != FALSE) == shouldBeEnabled;
        });
    }

    static std::string buttonStates() {
        std::string states;
        for (const Button& button : kButtons) {
            states += std::string(button.name) +
                      (IsWindowEnabled(app().control(button.control)) ? " enabled; " : " disabled; ");
        }
        return states;
    }
};

TEST_P(AfterEventRule, TypingEnablesTheTabsButtonsAndDeletingDisablesThem) {
    const FieldCase& c = GetParam();
    const HWND field = app().control(c.field);
    ASSERT_TRUE(pollUntil([] { return buttonsAre({}); })) << "with both fields empty: " << buttonStates();

    typeText(field, c.text);
    EXPECT_TRUE(pollUntil([&] { return buttonsAre(c.buttons); })) << "after typing: " << buttonStates();

    deleteText(field);
    EXPECT_TRUE(pollUntil([] { return buttonsAre({}); })) << "after deleting: " << buttonStates();
}

INSTANTIATE_TEST_SUITE_P(PackageFields, AfterEventRule, ::testing::ValuesIn(kCases), test::CaseName());

} // namespace
} // namespace tandrel::e2e
