#include "app/commands.h"
#include "app/event_loop.h"
#include "app/state.h"
#include "jobs/job_runner.h"
#include "jobs/line_splitter.h"
#include "log/log_commands.h"

#include "fake_platform.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tandrel::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct SplitCase {
    const char* name;
    std::vector<std::string> chunks;
    bool keepEmpty;
    std::wstring text;
};

class Splitter : public testing::TestWithParam<SplitCase> {};

TEST_P(Splitter, cutsLinesAtLfDropsCrAndDecodesUtf8) {
    LineSplitter splitter(GetParam().keepEmpty);
    std::wstring text;
    for (const auto& chunk : GetParam().chunks) {
        splitter.feed(Bytes(chunk.begin(), chunk.end()), text);
    }
    splitter.finish(text);
    EXPECT_EQ(text, GetParam().text);
}

const SplitCase kSplitCases[] = {
    {"crLf", {"A\r\nB\r\n"}, true, L"A\r\nB\r\n"},
    {"crInside", {"a\rb\n"}, true, L"ab\r\n"},
    {"emptyOutputLineKept", {"a\n\nb\n"}, true, L"a\r\n\r\nb\r\n"},
    {"emptyErrorLineDropped", {"a\n\r\n\nb\n"}, false, L"a\r\nb\r\n"},
    {"utf8", {"\xC3\xBC\n"}, true, L"\u00fc\r\n"},
    {"codePage1252", {"\xFC\n"}, true, L"\ufffd\r\n"},
    {"codePage850", {"\x81\n"}, true, L"\ufffd\r\n"},
    {"lineSplitAcrossReads", {"ab", "c\r", "\nd"}, true, L"abc\r\nd\r\n"},
    {"characterSplitAcrossReads", {"\xC3", "\xBC\n"}, true, L"\u00fc\r\n"},
    {"unfinishedLineAtTheEnd", {"tail"}, true, L"tail\r\n"},
    {"onlyCrAtTheEnd", {"\r"}, true, L"\r\n"},
    {"nothing", {}, true, L""},
};

INSTANTIATE_TEST_SUITE_P(Bytes, Splitter, testing::ValuesIn(kSplitCases), CaseName());

TEST(CollectOutput, readsBothPipesToTheirEnd) {
    FakeChild child;
    child.output = {"A\r\nB", "\r\n", "last without break"};
    child.error = {"E1\r\n", "\r\n", "E2\r\nE3\r\n"};
    FakeProcesses processes;
    std::wstring output, error;
    collectJobOutput(child, processes, output, error);
    EXPECT_EQ(output, L"A\r\nB\r\nlast without break\r\n");
    EXPECT_EQ(error, L"E1\r\nE2\r\nE3\r\n");
}

TEST(CollectOutput, endsWhenTheProgramEndedEvenIfItsPipesStayOpen) {
    FakeChild child;
    child.output = {"x\n"};
    child.pipesStayOpen = true;
    FakeProcesses processes;
    std::wstring output, error;
    collectJobOutput(child, processes, output, error);
    EXPECT_EQ(output, L"x\r\n");
}

TEST(CollectOutput, takesAHundredThousandLinesWithoutPacing) {
    std::string lines;
    for (int i = 0; i < 100000; ++i) {
        lines += "Name : Microsoft.Line" + std::to_string(i) + "\r\n";
    }
    FakeChild child;
    for (std::size_t at = 0; at < lines.size(); at += 4096) {
        child.output.push_back(lines.substr(at, 4096));
    }
    FakeProcesses processes;
    std::wstring output, error;
    collectJobOutput(child, processes, output, error);
    EXPECT_EQ(std::count(output.begin(), output.end(), L'\n'), 100000);
    EXPECT_TRUE(processes.sleeps.empty()) << "waited although bytes were waiting";
}

struct Jobs : testing::Test {
    FakePlatform fake;
    FakeUi& ui = fake.ui;
    AppState state;
    std::wstring& log = ui.texts[Control::TraceLog];

    Jobs() {
        ui.createMenuBar(menuEntries());
        state.systemDirectory = L"C:\\Windows\\system32";
        state.powerShellPath = L"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe";
        state.runnerPowerShellPath = state.powerShellPath;
        state.jobScriptPath = L"C:\\Users\\Test User\\AppData\\Roaming\\Tandrel\\Tandrel.ps1";
        ui.texts[Control::InstalledField] = L"X";
        ui.texts[Control::ProvisionedField] = L"Y_1_neutral_~_p";
    }
    void press(Control button) { dispatchEvent(state, fake.platform, {EventKind::Control, button, 0}); }
    // Turns the loop until the job has completed, as the program does once a second.
    void finishJob() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!state.job.done.load() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(state.job.done.load()) << "the worker did not finish within 10 s";
        completeJobIfDone(state, fake.platform);
        EXPECT_FALSE(state.job.worker.joinable());
    }
};

TEST_F(Jobs, anUninstallShowsTheAnswerTwiceThenTheSeparator) {
    fake.processes.prepared.output = {"A\r\nB\r\n"};
    press(Control::UninstallButton);
    EXPECT_TRUE(state.busy);
    EXPECT_EQ(state.statusText, L"App X wird entfernt!");
    finishJob();
    EXPECT_EQ(
        log, L"Remove-Appxpackage -Package X\r\nOutput:\r\nA\r\nB\r\nOutput:\r\nA\r\nB\r\n\r\n_________\r\n" +
                 kSeparatorLine + L"\r\n");
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(state.statusText, L"Entfernung von X ist abgeschlossen!");
    EXPECT_EQ(fake.files.textOf(state.jobScriptPath),
              "Remove-AppxPackage -Package 'X'\r\nGet-AppxLog | Format-List\r\n"
              "Start-Sleep -seconds 5\r\nExit\r\n");
    EXPECT_EQ(fake.processes.commandLines,
              std::vector<std::wstring>{L"\"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe\" "
                                        L"-executionpolicy bypass -file \"C:\\Users\\Test "
                                        L"User\\AppData\\Roaming\\Tandrel\\Tandrel.ps1\""});
    EXPECT_EQ(fake.processes.directories, std::vector<std::wstring>{L"C:\\Windows\\system32"});
    EXPECT_EQ(fake.processes.sleeps.front(), 3000u);
}

TEST_F(Jobs, errorsGetTheirOwnBlocks) {
    fake.processes.prepared.output = {"A\nB\n"};
    fake.processes.prepared.error = {"E\n"};
    press(Control::InstallButton);
    finishJob();
    EXPECT_EQ(log, L"Add-Appxpackage -Mainpackage 'X'\r\nOutput:\r\nA\r\nB\r\n\r\nError:\r\nE\r\n"
                   L"Output:\r\nA\r\nB\r\n\r\n_________\r\nError:\r\nE\r\n\r\n_________\r\n" +
                       kSeparatorLine + L"\r\n");
}

// The separator must not take the place of the logged command.
TEST_F(Jobs, aSilentJobKeepsItsCommandLine) {
    press(Control::InstallButton);
    finishJob();
    EXPECT_EQ(log, L"Add-Appxpackage -Mainpackage 'X'\r\n" + kSeparatorLine + L"\r\n");
}

TEST_F(Jobs, aListCommandsSeparatorFollowsItsLine) {
    fake.processes.failStart = true;
    dispatchEvent(state, fake.platform, {EventKind::Menu, Control::StatusBar, MenuPowerShellProvisioned});
    finishJob();
    EXPECT_EQ(log, L"Get-AppxProvisionedPackage -Online | Format-List\r\n" + kSeparatorLine + L"\r\n");
    EXPECT_EQ(state.statusText, L"Das \u00fcbernehmen der Provisioned Apps ins Ablauflog ist abgeschlossen!");
}

TEST_F(Jobs, declinedConfirmationLeavesNoTrace) {
    ui.confirmAnswer = false;
    state.statusText = L"before";
    press(Control::RemoveButton);
    ASSERT_EQ(ui.confirmations.size(), 1u);
    EXPECT_EQ(ui.confirmations[0].title, L"Wollen Sie das wirklich tun?");
    EXPECT_TRUE(ui.confirmations[0].exclamation);
    EXPECT_EQ(state.statusText, L"before");
    EXPECT_EQ(log, L"");
    EXPECT_TRUE(fake.files.contents.empty());
    EXPECT_TRUE(fake.processes.commandLines.empty());
    EXPECT_FALSE(state.busy);
}

TEST_F(Jobs, aPackageTextWithALineBreakIsRefusedBeforeAnythingHappens) {
    ui.texts[Control::InstalledField] = L"X'\r\nRemove-Item C:\\ -Recurse";
    press(Control::UninstallButton);
    EXPECT_TRUE(ui.confirmations.empty());
    EXPECT_EQ(state.statusText,
              L"Der Paketname enth\u00e4lt Zeilenumbr\u00fcche oder Steuerzeichen und wird nicht verwendet!");
    EXPECT_EQ(log, L"");
    EXPECT_TRUE(fake.files.contents.empty());
    EXPECT_TRUE(fake.processes.commandLines.empty());
    EXPECT_FALSE(state.busy);
}

TEST_F(Jobs, anUnwritableScriptStartsNoPowerShell) {
    fake.files.write(state.jobScriptPath, "old script");
    fake.files.unwritable.insert(state.jobScriptPath);
    press(Control::InstallButton);
    const std::wstring failed = L"Das Jobskript konnte nicht unter '" + state.jobScriptPath +
                                L"' geschrieben werden, PowerShell wurde nicht gestartet!";
    EXPECT_EQ(log, L"Add-Appxpackage -Mainpackage 'X'\r\n" + failed);
    EXPECT_EQ(state.statusText, failed);
    EXPECT_TRUE(fake.processes.commandLines.empty());
    EXPECT_FALSE(state.busy);
    EXPECT_FALSE(state.job.worker.joinable());
}

TEST_F(Jobs, theSecondJobStartsWithEmptyTextsAndTheRunnerPathIsReset) {
    fake.processes.prepared.output = {"first\n"};
    press(Control::InstallButton);
    finishJob();
    state.runnerPowerShellPath = L"changed";
    fake.processes.prepared.output = {};
    log.clear();
    press(Control::InstallButton);
    finishJob();
    EXPECT_EQ(log, L"Add-Appxpackage -Mainpackage 'X'\r\n" + kSeparatorLine + L"\r\n");
    EXPECT_EQ(state.runnerPowerShellPath, state.powerShellPath);
}

TEST_F(Jobs, completionWaitsForTheFlagAndRunsFromTheLoop) {
    completeJobIfDone(state, fake.platform);
    EXPECT_EQ(log, L"");
    fake.processes.prepared.output = {"x\n"};
    press(Control::RepairButton);
    EXPECT_EQ(ui.confirmations.at(0).exclamation, false);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (state.busy && std::chrono::steady_clock::now() < deadline) {
        eventLoopPass(state, fake.platform);
    }
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(state.statusText, L"Reparatur von X ist abgeschlossen!");
}

} // namespace
} // namespace tandrel::test
