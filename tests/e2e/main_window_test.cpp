#include "tests/e2e/printers.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"

namespace tandrel::e2e {
namespace {

using MainWindow = SharedTandrelTest<>;

TEST_F(MainWindow, TitleNamesTheProgramAndItsVersion) {
    wchar_t title[256] = {};
    GetWindowTextW(app().mainWindow, title, 256);
    EXPECT_EQ(std::wstring_view(title), kMainWindowTitle);
}

// The outer size comes from a client area of 800 x 560 before the menu bar takes its line.
TEST_F(MainWindow, StartsWithLayoutSize800x560) {
    EXPECT_EQ(layoutSize(app().mainWindow), (Size{800, 560}));
}

TEST_F(MainWindow, StatusBarSpansTheBottomEdgeAndSaysReady) {
    const Rect bar = rectInParent(app().control(Control::StatusBar));
    const Size client = clientSize(app().mainWindow);
    EXPECT_EQ(bar.x, 0);
    EXPECT_EQ(bar.width, client.width);
    EXPECT_EQ(bar.y + bar.height, client.height);
    EXPECT_EQ(app().statusText(), kReadyStatus);
}

} // namespace
} // namespace tandrel::e2e
