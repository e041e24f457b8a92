#include "tests/common/case_name.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/job_rig.h"
#include "tests/e2e/user_input.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

constexpr std::wstring_view kPackage = L"Contoso.Notizblock_2.1.0.0_x64__q4d96b2w5wcc2";

std::wstring installCommand() {
    return L"Add-Appxpackage -Mainpackage '" + std::wstring(kPackage) + L"'";
}

std::wstring completionMessage() {
    return L"Installation von " + std::wstring(kPackage) + L" ist abgeschlossen!";
}

// Equal texts, or where they part, briefly: a log of megabytes must not fill the test's output.
::testing::AssertionResult sameText(const std::wstring& actual, const std::wstring& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    const std::size_t from = at < 80 ? 0 : at - 80;
    return ::testing::AssertionFailure()
           << "the texts part at character " << at << " of " << actual.size() << " (expected "
           << expected.size() << "); from character " << from
           << ":\n  actual:   " << ::testing::PrintToString(actual.substr(from, 200))
           << "\n  expected: " << ::testing::PrintToString(expected.substr(from, 200));
}

struct Installed {
    std::wstring log;
    // From the button to the completion message.
    Milliseconds elapsed{};
    // The longest time the program's window did not answer meanwhile.
    Milliseconds longestSilence{};
};

// Starts the program with the stand-in in `mode`, installs, and takes the trace log once the job
// has completed.
Installed installWithStandInMode(const std::wstring& mode, Milliseconds limit) {
    const JobTandrel tandrel(mode);
    const RunningTandrel& app = tandrel.app();
    putIntoField(app, Control::InstalledField, kPackage, Control::InstallButton);
    Installed installed;
    const auto start = std::chrono::steady_clock::now();
    clickButton(app.control(Control::InstallButton));
    const ::testing::AssertionResult completed =
        jobCompletes(app, completionMessage(), limit, &installed.longestSilence);
    if (!completed) {
        throw DriverError(completed.message());
    }
    installed.elapsed = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start);
    installed.log = traceLogText(app, limit);
    return installed;
}

struct AnswerCase {
    const char* name;
    const wchar_t* mode;
    tools::Lines output;
    tools::Lines error;
};

const AnswerCase kAnswerCases[] = {
    {"Silent", L"silent", {}, {}},
    {"StderrOnly", L"stderr-only", {}, tools::stderrOnlyLines()},
    // The half line arrives as a line of its own when the pipe closes.
    {"CrashMidline", L"crash-midline", {tools::crashWholeLine(), tools::crashHalfLine()}, {}},
    // Both pipes are read to their end: nothing is lost on either, and neither blocks the other.
    {"BothPipesFull", L"both-pipes-full", tools::fullPipeLines(false), tools::fullPipeLines(true)},
};

class PowerShellAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(PowerShellAnswer, ReachesTheLogPlainAndFramed) {
    const AnswerCase& c = GetParam();
    EXPECT_TRUE(sameText(installWithStandInMode(c.mode, kJobLimit).log,
                         expectedJobLog(installCommand(), outputText(c.output), errorText(c.error))));
}

INSTANTIATE_TEST_SUITE_P(Modes, PowerShellAnswer, ::testing::ValuesIn(kAnswerCases), test::CaseName());

// A listing of 100,000 lines reaches the log whole, twice, in well under the two minutes allowed.
TEST(LongAnswer, OfAHundredThousandLinesArrivesWhole) {
    constexpr std::size_t kLines = 100000;
    const Milliseconds limit{120000};
    const Installed installed = installWithStandInMode(L"lines:" + std::to_wstring(kLines), limit);
    const std::wstring& log = installed.log;

    std::size_t arrived = 0;
    for (std::size_t at = log.find(L"\r\nZeile "); at != std::wstring::npos;
         at = log.find(L"\r\nZeile ", at + 1)) {
        ++arrived;
    }
    EXPECT_EQ(arrived, 2 * kLines) << "every line plain and framed";
    EXPECT_TRUE(
        sameText(log, expectedJobLog(installCommand(), outputText(tools::numberedLines(kLines)), L"")));
    std::printf("[ TIMING   ] %zu lines: %lld ms from the button to the completion; the window did not "
                "answer for up to %lld ms\n",
                kLines, static_cast<long long>(installed.elapsed.count()),
                static_cast<long long>(installed.longestSilence.count()));
}

} // namespace
} // namespace tandrel::e2e
