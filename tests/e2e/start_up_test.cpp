#include "tests/common/case_name.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/file_aside.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/temp_folder.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/window_query.h"
#include "tests/e2e/wine_version_override.h"
#include "tools/common/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

constexpr std::wstring_view kUnsupportedTitle = L"Oh - das geht nicht!";
constexpr std::wstring_view kUnsupportedText = L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht!";
constexpr std::wstring_view kNoPowerShellTitle = L"Oh - es ist ein Fehler passiert!";
constexpr std::wstring_view kNoPowerShellText =
    L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht! Powershell konnte nicht gefunden werden!";

// A start that must end in an error box: the box is the only window the program shows, and
// after OK it ends with exit code 0.
void expectRefusedStart(std::wstring_view title, std::wstring_view text) {
    const std::filesystem::path exe = tandrel64Path();
    const ChildProcess program = startProcess(exe, L"", exe.parent_path());
    const MessageBoxView box = waitForMessageBox(program.id());
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, text);
    std::vector<HWND> visible = topLevelWindows(program.id());
    std::erase_if(visible, [](HWND window) { return !IsWindowVisible(window); });
    EXPECT_EQ(visible, std::vector<HWND>{box.window}) << "windows besides the message box";
    answerMessageBox(box.window, IDOK);
    EXPECT_EQ(program.waitForExit(), std::optional<DWORD>(0));
}

TEST(StartUp, WithoutPowerShellShowsTheErrorBoxAndEnds) {
    const FileAside noPowerShell(systemPowerShellPath());
    expectRefusedStart(kNoPowerShellTitle, kNoPowerShellText);
}

struct WindowsVersion {
    const char* name;
    // winecfg's name of the version Wine reports.
    const wchar_t* wineName;
    bool supported;
};

// NT 6.2 (Windows 8) is the first version the program runs on.
const WindowsVersion kVersions[] = {
    {"Vista", L"vista", false},  {"Windows7", L"win7", false},  {"Server2008R2", L"win2008r2", false},
    {"Windows8", L"win8", true}, {"Windows10", L"win10", true},
};

class VersionGate : public ::testing::TestWithParam<WindowsVersion> {};

TEST_P(VersionGate, RefusesEveryVersionBeforeWindows8) {
    const std::filesystem::path exe = tandrel64Path();
    const WineVersionOverride version(exe.filename().wstring(), GetParam().wineName);
    if (!GetParam().supported) {
        expectRefusedStart(kUnsupportedTitle, kUnsupportedText);
        return;
    }
    const RunningTandrel app = startTandrel(exe);
    EXPECT_EQ(app.closeWithCloseBox(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Wine, VersionGate, ::testing::ValuesIn(kVersions), test::CaseName());

// On 64-bit Windows the 32-bit build only starts Tandrel64.exe from its own folder and ends,
// without ever showing a window.
TEST(StartUp, The32BitBuildHandsOverTo64BitFromItsFolder) {
    const std::optional<std::filesystem::path> exe32 = tandrel32Path();
    if (!exe32) {
        GTEST_SKIP()
            << "TANDREL_EXE32 names no i686 Tandrel.exe (scripts/test sets it after the win32 build)";
    }
    const TempFolder folder(L"Tandrel hand-off");
    std::filesystem::copy_file(*exe32, folder.path() / L"Tandrel.exe");
    std::filesystem::copy_file(tandrel64Path(), folder.path() / L"Tandrel64.exe");

    const ChildProcess launcher = startProcess(folder.path() / L"Tandrel.exe", L"", folder.path());
    bool showedWindow = false;
    ASSERT_TRUE(pollUntil([&] {
        for (const HWND window : topLevelWindows(launcher.id())) {
            showedWindow = showedWindow || IsWindowVisible(window);
        }
        return !launcher.running();
    })) << "Tandrel.exe did not end";
    EXPECT_FALSE(showedWindow) << "Tandrel.exe showed a window";
    EXPECT_EQ(launcher.waitForExit(), std::optional<DWORD>(0));

    HWND mainWindow = nullptr;
    ASSERT_TRUE(pollUntil([&] {
        return (mainWindow = findTopLevelWindowElsewhere(launcher.id(), kMainWindowTitle)) != nullptr;
    })) << "no main window appeared";
    const RunningTandrel app = waitUntilReady(adoptProcess(windowProcessId(mainWindow)));
    EXPECT_NE(app.process.id(), launcher.id());
    EXPECT_TRUE(
        std::filesystem::equivalent(processImagePath(app.process.handle()), folder.path() / L"Tandrel64.exe"))
        << "the program runs from " << tools::toUtf8(processImagePath(app.process.handle()).wstring());
    EXPECT_EQ(app.closeWithCloseBox(), std::optional<DWORD>(0));
}

} // namespace
} // namespace tandrel::e2e
