#include "tests/e2e/driver.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/trace_log_view.h"
#include "tools/common/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tandrel::e2e {
namespace {

constexpr UINT kMessageLimitMs = 5000;

// Beside the job script, in the program's work folder.
std::filesystem::path snapshotPath() {
    return jobScriptPath().parent_path() / L"Tandrel1.txt";
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The program writes the snapshot after it says it is ready and before its event loop begins;
// once the loop has answered a message, the snapshot step is over.
void waitUntilPastStartUp(const RunningTandrel& app) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(app.mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageLimitMs, &ignored)) {
        throw DriverError("the main window does not answer messages");
    }
}

// Each case starts the program once, with the snapshot path as the case made it, and leaves
// nothing at that path.
class Snapshot : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::remove_all(path_); }
    void TearDown() override {
        if (app_) {
            EXPECT_EQ(app_->closeWithCloseBox(), DWORD{0});
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const RunningTandrel& start() {
        app_.emplace(startTandrel(tandrel64Path()));
        return *app_;
    }

    const std::filesystem::path path_ = snapshotPath();

private:
    std::optional<RunningTandrel> app_;
};

TEST_F(Snapshot, FirstStartWritesTheToolListBlock) {
    ASSERT_FALSE(std::filesystem::exists(path_));
    start();
    const std::string expected = tools::toUtf8(expectedToolListBlock());
    std::string written;
    EXPECT_TRUE(pollUntil([&] { return (written = fileBytes(path_)) == expected; }))
        << tools::toUtf8(path_.wstring()) << " holds " << written.size() << " bytes, expected "
        << expected.size();
    EXPECT_EQ(written, expected);
}

TEST_F(Snapshot, LaterStartLeavesTheFileAlone) {
    std::filesystem::create_directories(path_.parent_path());
    const std::string earlier = "ein \xC3\xA4lteres Abbild\r\n";
    std::ofstream(path_, std::ios::binary) << earlier;
    std::filesystem::last_write_time(path_, std::filesystem::file_time_type::clock::now() -
                                                std::chrono::hours(24 * 30));
    // As the file system keeps it, which may be coarser than what was set.
    const auto earlierTime = std::filesystem::last_write_time(path_);

    waitUntilPastStartUp(start());
    EXPECT_EQ(fileBytes(path_), earlier);
    EXPECT_EQ(std::filesystem::last_write_time(path_), earlierTime);
}

TEST_F(Snapshot, FolderOfThatNameIsLeftAloneAndTheProgramStarts) {
    std::filesystem::create_directories(path_);
    const RunningTandrel& app = start();
    waitUntilPastStartUp(app);
    EXPECT_EQ(app.statusText(), kReadyStatus);
    EXPECT_TRUE(std::filesystem::is_directory(path_));
    EXPECT_TRUE(std::filesystem::is_empty(path_));
}

} // namespace
} // namespace tandrel::e2e
