#include "app/layout.h"

#include "fake_ui.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

struct PlaceCase {
    Control control;
    Rect at800x560;
    Rect at1000x700;
    Rect at300x90;
};

// Places after a re-layout with the panel and the list exactly as large as asked.
std::map<Control, Rect> layoutAt(int width, int layoutHeight) {
    FakeUi ui;
    ui.client = {width, layoutHeight - ui.menuBar};
    relayout(ui);
    return ui.places;
}

class Layout : public testing::TestWithParam<PlaceCase> {};

TEST_P(Layout, placesEachControlByItsFormula) {
    const auto& c = GetParam();
    EXPECT_EQ(layoutAt(800, 560)[c.control], c.at800x560);
    EXPECT_EQ(layoutAt(1000, 700)[c.control], c.at1000x700);
    // Below the formulas' offsets every value folds back to its absolute value.
    EXPECT_EQ(layoutAt(300, 90)[c.control], c.at300x90);
}

// At 300 x 90: panel 280 x 55, list 250 x 105, L 105.
const PlaceCase kPlaces[] = {
    {Control::ForumLogo, {10, 455, 177, 55}, {10, 595, 177, 55}, {10, 15, 177, 55}},
    {Control::ForumLink, {220, 475, 250, 40}, {220, 615, 250, 40}, {220, 5, 250, 40}},
    {Control::TabPanel, {10, 10, 780, 415}, {10, 10, 980, 555}, {10, 10, 280, 55}},
    {Control::InstalledList, {10, 10, 750, 255}, {10, 10, 950, 395}, {10, 10, 250, 105}},
    {Control::InstalledField, {10, 305, 450, 25}, {10, 445, 450, 25}, {10, 155, 450, 25}},
    {Control::InstallButton, {520, 275, 100, 25}, {520, 415, 100, 25}, {520, 125, 100, 25}},
    {Control::UninstallButton, {520, 305, 100, 25}, {520, 445, 100, 25}, {520, 155, 100, 25}},
    {Control::RepairButton, {520, 335, 100, 25}, {520, 475, 100, 25}, {520, 185, 100, 25}},
    {Control::ProvisionedList, {10, 10, 750, 255}, {10, 10, 950, 395}, {10, 10, 250, 105}},
    {Control::ProvisionedField, {10, 305, 450, 25}, {10, 445, 450, 25}, {10, 155, 450, 25}},
    {Control::RemoveButton, {500, 290, 100, 25}, {500, 430, 100, 25}, {500, 140, 100, 25}},
    {Control::ProvisionedRepairButton, {500, 320, 100, 25}, {500, 460, 100, 25}, {500, 170, 100, 25}},
    {Control::TraceLog, {20, 20, 730, 335}, {20, 20, 930, 475}, {20, 20, 230, 25}},
};

INSTANTIATE_TEST_SUITE_P(Controls, Layout, testing::ValuesIn(kPlaces),
                         [](const auto& p) { return std::string(controlName(p.param.control)); });

TEST(Relayout, redocksTheStatusBarFirstAndMovesInFormulaOrder) {
    FakeUi ui;
    relayout(ui);
    const std::vector<std::string> expected = {
        "redock",
        "move ForumLink",
        "move TabPanel",
        "move ForumLogo",
        "move InstalledList",
        "move InstalledField",
        "move InstallButton",
        "move UninstallButton",
        "move RepairButton",
        "move ProvisionedList",
        "move ProvisionedField",
        "move RemoveButton",
        "move ProvisionedRepairButton",
        "move TraceLog",
    };
    EXPECT_EQ(ui.calls, expected);
}

// The page formulas take the panel and the list as they really turned out, not as asked.
class ShrinkingUi : public FakeUi {
public:
    Size outerSize(Control control) override {
        const Size asked = FakeUi::outerSize(control);
        return {asked.width - 4, asked.height - 30};
    }
};

TEST(Relayout, usesTheRealSizesOfPanelAndList) {
    ShrinkingUi ui;
    relayout(ui);
    EXPECT_EQ(ui.places[Control::InstalledList], (Rect{10, 10, 746, 225}));  // panel 776 x 385
    EXPECT_EQ(ui.places[Control::InstalledField], (Rect{10, 245, 450, 25})); // L = 195
    EXPECT_EQ(ui.places[Control::TraceLog], (Rect{20, 20, 726, 305}));
}

} // namespace
} // namespace tandrel::test
