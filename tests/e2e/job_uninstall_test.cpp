#include "tests/e2e/inventory_status.h"
#include "tests/e2e/job_message_box_icon.h"
#include "tests/e2e/job_registry_backup.h"
#include "tests/e2e/job_rig.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"
#include "tools/common/utf8.h"
#include "tools/powershell_standin/registry_key.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tandrel::e2e {
namespace {

constexpr int kFullNameColumn = 2;

std::vector<std::wstring> installedFullNames(const RunningTandrel& app) {
    return listColumn(app, Control::InstalledList, kFullNameColumn);
}

std::wstring selectFirstInstalledRow(const RunningTandrel& app) {
    return selectFirstRow(app, Control::InstalledList, kFullNameColumn, Control::InstalledField,
                          Control::UninstallButton);
}

std::wstring uninstallQuestion(const std::wstring& package) {
    // Two blanks after the closing apostrophe: the text is pieced together that way.
    return L"Sie haben beschlossen, das Packet '" + package +
           L"'  zu deinstallieren. Wollen Sie das wirklich tun?";
}

class Uninstall : public ::testing::Test {
protected:
    const RegistryBackup packages_{HKEY_CLASSES_ROOT, tools::kRepositoryKey};
    const FileGrowth standIn_{powerShellStandInLog()};
    const JobTandrel tandrel_;
    const RunningTandrel& app_ = tandrel_.app();
};

TEST_F(Uninstall, TakesThePackageFromTheSelectedRowThroughPowerShellOutOfTheList) {
    const std::vector<std::wstring> before = installedFullNames(app_);
    const std::wstring package = selectFirstInstalledRow(app_);

    clickButton(app_.control(Control::UninstallButton));
    const MessageBoxView box = waitForMessageBox(app_.process.id());
    EXPECT_EQ(box.title, kConfirmationTitle);
    EXPECT_EQ(box.text, uninstallQuestion(package));
    EXPECT_TRUE(pollUntil([&] { return messageBoxIcon(box.window) == BoxIcon::Question; }))
        << "the box shows no question mark";
    answerMessageBox(box.window, IDYES);

    ASSERT_TRUE(statusBecomes(app_, L"App " + package + L" wird entfernt!"));
    // The runner looks at PowerShell only after 3 s; until then the program is certainly busy.
    EXPECT_EQ(grayedMenuItems(app_), busyMenuItems());
    EXPECT_FALSE(IsWindowEnabled(app_.control(Control::UninstallButton)));

    ASSERT_TRUE(jobCompletes(app_, L"Entfernung von " + package + L" ist abgeschlossen!"));
    EXPECT_EQ(grayedMenuItems(app_), std::vector<int>{}) << "the busy state was not left";
    EXPECT_TRUE(IsWindowEnabled(app_.control(Control::UninstallButton)));

    const std::string script = "Remove-AppxPackage -Package '" + tools::toUtf8(package) +
                               "'\r\nGet-AppxLog | Format-List\r\nStart-Sleep -seconds 5\r\nExit\r\n";
    EXPECT_EQ(fileBytes(jobScriptPath()), script);
    EXPECT_EQ(standIn_.appended(), expectedStandInEntry(script));

    const std::wstring output =
        outputText(joined({tools::removalLines(package), tools::formatList(tools::appxLogRecords())}));
    EXPECT_EQ(traceLogText(app_), expectedJobLog(L"Remove-Appxpackage -Package " + package, output, L""));

    std::vector<std::wstring> expected = before;
    std::erase(expected, package);
    EXPECT_EQ(installedFullNames(app_), expected);
    EXPECT_EQ(windowText(app_.control(Control::InstalledField)), package) << "a job keeps the field's text";
}

TEST_F(Uninstall, DeclinedLeavesNoTraceAndStartsNoJob) {
    const std::filesystem::path script = jobScriptPath();
    std::ofstream(script, std::ios::binary) << "Exit\r\n";
    const std::wstring package = selectFirstInstalledRow(app_);

    clickButton(app_.control(Control::UninstallButton));
    const MessageBoxView box = waitForMessageBox(app_.process.id());
    EXPECT_EQ(box.text, uninstallQuestion(package));
    answerMessageBox(box.window, IDNO);

    ASSERT_TRUE(pollUntil([&] { return messageBoxes(app_.process.id()).empty(); }));
    ASSERT_TRUE(pollUntil([&] { return IsWindowEnabled(app_.control(Control::UninstallButton)) != FALSE; }))
        << "the busy state was not left";
    EXPECT_EQ(grayedMenuItems(app_), std::vector<int>{MenuSaveLog})
        << "only saving an empty log stays grayed";
    EXPECT_EQ(app_.statusText(), kReadyStatus);
    EXPECT_EQ(traceLogText(app_), L"");
    EXPECT_EQ(fileBytes(script), "Exit\r\n");
    // PowerShell logs its call as the first thing it does; a job would have started it at once.
    EXPECT_TRUE(powerShellStaysUnstarted(standIn_));
    EXPECT_EQ(installedFullNames(app_).front(), package);
}

} // namespace
} // namespace tandrel::e2e
