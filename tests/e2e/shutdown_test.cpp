#include "tests/common/case_name.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/user_input.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct QuitRoad {
    const char* name;
    void (*quit)(HWND mainWindow);
};

const QuitRoad kRoads[] = {
    {"CloseBox", pressCloseBox},
    {"MenuQuit", [](HWND mainWindow) { chooseMenuItem(mainWindow, MenuQuit); }},
};

class Shutdown : public ::testing::TestWithParam<QuitRoad> {};

TEST_P(Shutdown, EndsWithExitCode0AndDeletesTheJobScript) {
    const std::filesystem::path script = jobScriptPath();
    std::filesystem::create_directories(script.parent_path());
    std::ofstream(script) << "Exit\r\n";
    const RunningTandrel app = startTandrel(tandrel64Path());
    ASSERT_TRUE(std::filesystem::exists(script)) << "the job script is gone before the program ends";

    GetParam().quit(app.mainWindow);
    EXPECT_EQ(app.process.waitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(std::filesystem::exists(script));
}

INSTANTIATE_TEST_SUITE_P(Roads, Shutdown, ::testing::ValuesIn(kRoads), test::CaseName());

} // namespace
} // namespace tandrel::e2e
