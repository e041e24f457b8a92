#include "tests/common/case_name.h"
#include "tests/e2e/printers.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"

#include <string>
#include <tuple>
#include <vector>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct Place {
    const char* name;
    Control control;
    Rect at800x560;
    Rect at1000x700;
};

// Each control's outer rectangle in its parent's client area: the tab pages for the lists,
// fields, buttons and the trace log, the main window for the rest. At 1000 x 700 the formulas
// give PW = W - 20 = 980, PH = H - 145 = 555 and L = PH - 160 = 395.
const Place kPlaces[] = {
    {"ForumLogo", Control::ForumLogo, {10, 455, 177, 55}, {10, 595, 177, 55}},
    {"ForumLink", Control::ForumLink, {220, 475, 250, 40}, {220, 615, 250, 40}},
    {"TabPanel", Control::TabPanel, {10, 10, 780, 415}, {10, 10, 980, 555}},
    {"InstalledList", Control::InstalledList, {10, 10, 750, 255}, {10, 10, 950, 395}},
    {"InstalledField", Control::InstalledField, {10, 305, 450, 25}, {10, 445, 450, 25}},
    {"InstallButton", Control::InstallButton, {520, 275, 100, 25}, {520, 415, 100, 25}},
    {"UninstallButton", Control::UninstallButton, {520, 305, 100, 25}, {520, 445, 100, 25}},
    {"RepairButton", Control::RepairButton, {520, 335, 100, 25}, {520, 475, 100, 25}},
    {"ProvisionedList", Control::ProvisionedList, {10, 10, 750, 255}, {10, 10, 950, 395}},
    {"ProvisionedField", Control::ProvisionedField, {10, 305, 450, 25}, {10, 445, 450, 25}},
    {"RemoveButton", Control::RemoveButton, {500, 290, 100, 25}, {500, 430, 100, 25}},
    {"ProvisionedRepairButton", Control::ProvisionedRepairButton, {500, 320, 100, 25}, {500, 460, 100, 25}},
    {"TraceLog", Control::TraceLog, {20, 20, 730, 335}, {20, 20, 930, 475}},
};

struct LayoutSize {
    const char* name;
    Size size;
    Rect Place::*expected;
};

const LayoutSize kSizes[] = {
    {"800x560", {800, 560}, &Place::at800x560},
    {"1000x700", {1000, 700}, &Place::at1000x700},
};

// The program moves its controls in the pass of its event loop after the size change.
constexpr Milliseconds kRelayoutLimit{5000};

using LayoutParam = std::tuple<LayoutSize, Place>;

class ControlPlace : public SharedTandrelTest<::testing::TestWithParam<LayoutParam>> {
protected:
    static std::vector<Rect> placesNow() {
        std::vector<Rect> places;
        for (const Place& place : kPlaces) {
            places.push_back(rectInParent(app().control(place.control)));
        }
        return places;
    }

    static std::vector<Rect> placesExpected(const LayoutSize& size) {
        std::vector<Rect> places;
        for (const Place& place : kPlaces) {
            places.push_back(place.*size.expected);
        }
        return places;
    }

    // Resizes only when the window is not at that size already, so that the first size is
    // measured as the program created its window.
    static void showAtLayoutSize(const LayoutSize& size) {
        if (layoutSize(app().mainWindow) == size.size) {
            return;
        }
        resizeToLayout(app().mainWindow, size.size);
        // Each case below reports its own control if the program never gets there.
        pollUntil([&] { return placesNow() == placesExpected(size); }, kRelayoutLimit);
    }
};

TEST_P(ControlPlace, FollowsTheLayoutFormulas) {
    const auto& [size, place] = GetParam();
    showAtLayoutSize(size);
    EXPECT_EQ(rectInParent(app().control(place.control)), place.*size.expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, ControlPlace,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::ValuesIn(kPlaces)),
                         [](const auto& testCase) {
                             return std::string(std::get<1>(testCase.param).name) + "_at_" +
                                    std::get<0>(testCase.param).name;
                         });

} // namespace
} // namespace tandrel::e2e
