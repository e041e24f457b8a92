#include "tests/common/case_name.h"
#include "tests/e2e/child_process.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/inventory_sample_data.h"
#include "tests/e2e/job_rig.h"
#include "tests/e2e/temp_folder.h"
#include "tests/e2e/test_environment.h"
#include "tools/common/utf8.h"
#include "tools/powershell_standin/fault_modes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct Finished {
    std::string output;
    std::string error;
    // nullopt: still running when the time was up.
    std::optional<DWORD> exitCode;
};

// The pipe's bytes until the writer closes it.
void drain(HANDLE pipe, std::string& into) {
    char buffer[64 * 1024];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        into.append(buffer, got);
    }
}

// Runs a program with both output pipes read to their end at the same time, so that a full pipe
// never stalls it; one still running after `limit` is ended.
Finished runWithPipes(const std::filesystem::path& exe, const std::wstring& arguments, Milliseconds limit) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outputRead = nullptr;
    HANDLE outputWrite = nullptr;
    HANDLE errorRead = nullptr;
    HANDLE errorWrite = nullptr;
    if (!CreatePipe(&outputRead, &outputWrite, &inherit, 0) ||
        !CreatePipe(&errorRead, &errorWrite, &inherit, 0)) {
        throw DriverError("cannot make pipes");
    }
    const tools::UniqueHandle outputOurs(outputRead);
    const tools::UniqueHandle errorOurs(errorRead);
    tools::UniqueHandle outputTheirs(outputWrite);
    tools::UniqueHandle errorTheirs(errorWrite);
    SetHandleInformation(outputRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errorRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outputWrite;
    startup.hStdError = errorWrite;
    std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + arguments;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        exe.parent_path().c_str(), &startup, &started)) {
        throw DriverError("cannot start the stand-in: error " + std::to_string(GetLastError()));
    }
    const tools::UniqueHandle thread(started.hThread);
    outputTheirs.reset();
    errorTheirs.reset();

    Finished finished;
    std::thread outputReader(drain, outputRead, std::ref(finished.output));
    std::thread errorReader(drain, errorRead, std::ref(finished.error));
    {
        const ChildProcess child(tools::UniqueHandle(started.hProcess), started.dwProcessId);
        finished.exitCode = child.waitForExit(limit);
    } // a child still running is ended here, which closes its pipes
    outputReader.join();
    errorReader.join();
    return finished;
}

struct Expected {
    std::string output;
    std::string error;
    std::optional<DWORD> exitCode;
};

std::string utf8(const tools::Lines& lines) {
    return tools::toUtf8(outputText(lines));
}

struct StandInCase {
    const char* name;
    const wchar_t* mode; // TANDREL_STANDIN_MODE; empty runs the script
    std::string_view script;
    Expected (*expected)(const std::wstring& scriptPath);
};

std::wstring calculatorManifest() {
    for (const InstalledPackage& package : sampleData().installedAll) {
        if (package.packageName == L"Microsoft.WindowsCalculator") {
            return package.rootFolder + L"\\appxmanifest.xml";
        }
    }
    throw DriverError("the sample data have no Microsoft.WindowsCalculator");
}

constexpr std::string_view kNoScript;

const StandInCase kCases[] = {
    {"NumberedLines", L"lines:7", kNoScript,
     [](const std::wstring&) {
         return Expected{utf8(tools::numberedLines(7)), "", 0};
     }},
    {"CrashMidline", L"crash-midline", kNoScript,
     [](const std::wstring&) {
         return Expected{tools::toUtf8(tools::crashWholeLine() + L"\r\n" + tools::crashHalfLine()), "",
                         tools::kCrashExitCode};
     }},
    {"StderrOnly", L"stderr-only", kNoScript,
     [](const std::wstring&) {
         return Expected{"", utf8(tools::stderrOnlyLines()), 1};
     }},
    {"BothPipesFull", L"both-pipes-full", kNoScript,
     [](const std::wstring&) {
         return Expected{utf8(tools::fullPipeLines(false)), utf8(tools::fullPipeLines(true)), 0};
     }},
    {"Silent", L"silent", kNoScript,
     [](const std::wstring&) {
         return Expected{"", "", 0};
     }},
    {"NeverEnd", L"never-end", kNoScript,
     [](const std::wstring&) {
         return Expected{"", "", std::nullopt};
     }},
    {"UnknownMode", L"lines:viele", kNoScript,
     [](const std::wstring&) {
         return Expected{"", "TANDREL_STANDIN_MODE names no mode of the stand-in: lines:viele\r\n", 2};
     }},
    {"AppxLog", L"", "Get-AppxLog | Format-List\r\nExit\r\n",
     [](const std::wstring&) {
         return Expected{utf8(tools::formatList(tools::appxLogRecords())), "", 0};
     }},
    {"RepairRegistersEachInstallLocation", L"",
     "Get-AppxPackage -name 'Microsoft.WindowsCalculator' -allusers | ForEach {Add-AppxPackage -register "
     "\"$($_.InstallLocation)\\appxmanifest.xml\" -DisableDevelopmentMode}\r\nExit\r\n",
     [](const std::wstring&) {
         return Expected{utf8(tools::registrationLines(calculatorManifest(), false)), "", 0};
     }},
    {"RemovingAnUnknownPackage", L"",
     "Remove-AppxPackage -Package 'Contoso.Fehlt_1.0.0.0_x64__q4d96b2w5wcc2'\r\nExit 0\r\n",
     [](const std::wstring& script) {
         return Expected{
             "",
             utf8(tools::packageNotInstalledError(
                 L"Contoso.Fehlt_1.0.0.0_x64__q4d96b2w5wcc2",
                 {script, 1, L"Remove-AppxPackage -Package 'Contoso.Fehlt_1.0.0.0_x64__q4d96b2w5wcc2'"})),
             0};
     }},
    {"RemovingAnUnknownProvisionedPackage", L"",
     "Remove-AppxProvisionedPackage -Online -PackageName 'Contoso.Fehlt'\r\nExit\r\n",
     [](const std::wstring& script) {
         return Expected{
             "",
             utf8(tools::provisionedPackageNotFoundError(
                 L"Contoso.Fehlt",
                 {script, 1, L"Remove-AppxProvisionedPackage -Online -PackageName 'Contoso.Fehlt'"})),
             0};
     }},
    // A parse error stops the whole script before its first line runs.
    {"UnterminatedString", L"",
     "Get-AppxLog | Format-List\r\nAdd-Appxpackage -Mainpackage 'O''Brien\r\nExit\r\n",
     [](const std::wstring& script) {
         return Expected{
             "", utf8(tools::unterminatedStringError({script, 2, L"Add-Appxpackage -Mainpackage 'O''Brien"})),
             1};
     }},
    {"UnknownCommand", L"", "Get-Appx\r\nExit 3\r\n",
     [](const std::wstring& script) {
         return Expected{"", utf8(tools::unknownCommandError(L"Get-Appx", {script, 1, L"Get-Appx"})), 3};
     }},
};

class PowerShellStandInRun : public ::testing::TestWithParam<StandInCase> {};

TEST_P(PowerShellStandInRun, AnswersOnBothPipesAndEnds) {
    const StandInCase& c = GetParam();
    const TempFolder folder(L"stand in");
    const std::filesystem::path exe = folder.path() / L"powershell.exe";
    std::filesystem::copy_file(powerShellStandInPath(), exe);
    const std::filesystem::path script = folder.path() / L"Job Ordner" / L"Tandrel.ps1";
    std::filesystem::create_directories(script.parent_path());
    std::ofstream(script, std::ios::binary) << c.script;
    const ScopedEnvironment noSleep(L"TANDREL_STANDIN_SLEEP", L"0");
    const ScopedEnvironment mode(L"TANDREL_STANDIN_MODE", c.mode);

    const Expected expected = c.expected(script.wstring());
    // Long enough for any answer; a stand-in that should never end is given two seconds to do so.
    const Milliseconds limit = expected.exitCode ? kWaitLimit : Milliseconds(2000);
    const Finished finished =
        runWithPipes(exe, L"-executionpolicy bypass -file \"" + script.wstring() + L"\"", limit);
    EXPECT_EQ(finished.exitCode, expected.exitCode);
    EXPECT_EQ(finished.output, expected.output);
    EXPECT_EQ(finished.error, expected.error);
}

INSTANTIATE_TEST_SUITE_P(Answers, PowerShellStandInRun, ::testing::ValuesIn(kCases), test::CaseName());

TEST(PowerShellStandInSleep, KeepsTheScriptsStartSleepUnlessTurnedOff) {
    const TempFolder folder(L"stand in");
    const std::filesystem::path exe = folder.path() / L"powershell.exe";
    std::filesystem::copy_file(powerShellStandInPath(), exe);
    const std::filesystem::path script = folder.path() / L"Tandrel.ps1";
    std::ofstream(script, std::ios::binary) << "Start-Sleep -seconds 2\r\nExit\r\n";
    const ScopedEnvironment sleeps(L"TANDREL_STANDIN_SLEEP", L"");
    const ScopedEnvironment noMode(L"TANDREL_STANDIN_MODE", L"");

    const auto start = std::chrono::steady_clock::now();
    const Finished finished = runWithPipes(exe, L"-file \"" + script.wstring() + L"\"", kWaitLimit);
    EXPECT_EQ(finished.exitCode, std::optional<DWORD>(0));
    EXPECT_GE(std::chrono::steady_clock::now() - start, Milliseconds(2000));
}

} // namespace
} // namespace tandrel::e2e
