#pragma once

#include "tests/e2e/driver.h"
#include "tests/e2e/wait.h"
#include "tools/powershell_standin/answers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the tests of the package jobs share: the program started for jobs, the logs of the
// stand-ins, and the trace log a job should leave.

namespace tandrel::e2e {

// A job lasts at least the runner's 3 s wait and the stand-in's run, and the event loop looks for
// its end once a second; on a busy machine under Wine that is well within this.
inline constexpr Milliseconds kJobLimit{30000};

inline constexpr std::wstring_view kConfirmationTitle = L"Wollen Sie das wirklich tun?";

// Sets an environment variable of the test, which the program and its PowerShell inherit, and
// puts the old value back at the end. An empty value removes the variable.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::wstring name, const std::wstring& value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

private:
    std::wstring name_;
    std::optional<std::wstring> old_;
};

// The program, started with its PowerShell stand-in set to skip the scripts' "Start-Sleep" and,
// when `standInMode` is not empty, to misbehave that way (TANDREL_STANDIN_MODE). It is closed
// with its close box at the end, which deletes its job script.
class JobTandrel {
public:
    explicit JobTandrel(const std::wstring& standInMode = L"");
    JobTandrel(const JobTandrel&) = delete;
    JobTandrel& operator=(const JobTandrel&) = delete;
    ~JobTandrel();

    const RunningTandrel& app() const { return app_; }

private:
    ScopedEnvironment noSleep_;
    ScopedEnvironment mode_;
    RunningTandrel app_;
};

// What has been appended to a file since this object was made: what a stand-in logged meanwhile.
class FileGrowth {
public:
    explicit FileGrowth(std::filesystem::path file);
    std::string appended() const;

private:
    std::filesystem::path file_;
    std::uintmax_t start_;
};

std::filesystem::path powerShellStandInLog();
std::filesystem::path runasStandInLog();
// The viewer the prefix associates with .html and .chm files, and its log.
std::filesystem::path viewerStandInPath();
std::filesystem::path viewerStandInLog();

// The whole file; empty when it cannot be read.
std::string fileBytes(const std::filesystem::path& file);

// The stand-in's log entry for one job: the command line the program starts PowerShell with,
// and the job script as PowerShell found it.
std::string expectedStandInEntry(const std::string& script);

// Success once the status bar shows the job's completion message within `limit`. A program that
// is busy appending a long answer to its log may not answer for seconds meanwhile; that counts as
// not yet. `longestSilence`, when given, receives the longest time between two of its answers.
::testing::AssertionResult jobCompletes(const RunningTandrel& app, const std::wstring& completionMessage,
                                        Milliseconds limit = kJobLimit,
                                        Milliseconds* longestSilence = nullptr);

// Success when nothing is appended to the stand-in's log for a few seconds. PowerShell logs its
// call first thing, and a job starts it at once.
::testing::AssertionResult powerShellStaysUnstarted(const FileGrowth& standInLog);

// Types `text` into a package field and returns once `button` is enabled for it.
void putIntoField(const RunningTandrel& app, Control field, std::wstring_view text, Control button);
// The texts of one column of a list, row by row.
std::vector<std::wstring> listColumn(const RunningTandrel& app, Control list, int column);
// Selects the first row of `list` as a click does and returns its text of `column`, once the
// selection has copied that text into `field` and enabled `button`.
std::wstring selectFirstRow(const RunningTandrel& app, Control list, int column, Control field,
                            Control button);

// The trace log's text, read with WM_GETTEXT: lines end in CR LF.
std::wstring traceLogText(const RunningTandrel& app, Milliseconds limit = kWaitLimit);

// The lines the job runner collects, each followed by CR LF; from standard error it keeps only
// lines that are not empty.
std::wstring outputText(const tools::Lines& lines);
std::wstring errorText(const tools::Lines& lines);

// The trace log of one job started on an empty log. The command's line; then the worker's blocks,
// each answer plain under "Output:" or "Error:"; then the completion's blocks, each answer framed
// up to a line of nine underscores; then the separator of 68 underscores. The completion's blocks
// always begin on a line of their own, so a job that answered nothing leaves the command's line
// standing above the separator.
std::wstring expectedJobLog(const std::wstring& logLine, const std::wstring& output,
                            const std::wstring& error);

// The ids of the menu items that are grayed now, as the menu probe reads them.
std::vector<int> grayedMenuItems(const RunningTandrel& app);
// Every item the busy state grays.
std::vector<int> busyMenuItems();

// Joins a stand-in's answers; the stand-in writes them one after another.
tools::Lines joined(std::initializer_list<tools::Lines> parts);

} // namespace tandrel::e2e
