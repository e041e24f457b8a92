#include "tests/common/case_name.h"
#include "tests/e2e/child_process.h"
#include "tests/e2e/temp_folder.h"
#include "tests/e2e/test_environment.h"
#include "tools/common/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

struct Call {
    const char* name;
    // The arguments are argumentsBefore, the script's path, argumentsAfter; only the first
    // without a script.
    std::wstring_view argumentsBefore;
    std::wstring_view argumentsAfter;
    bool namesScript;
};

const Call kCalls[] = {
    // As the program's job runner calls it.
    {"JobRunner", L"-executionpolicy bypass -file \"", L"\"", true},
    {"OtherLetterCase", L"-ExecutionPolicy Bypass -File \"", L"\"", true},
    {"NoScript", L"-Command \"Get-AppxPackage -AllUsers\"", L"", false},
};

// A script as the program writes it: UTF-8 without byte-order mark, CR LF line ends.
constexpr std::string_view kScript =
    "Remove-AppxPackage -Package 'Microsoft.M\xc3\xa4rchen_1.0.0.0_x64__8wekyb3d8bbwe'\r\n"
    "Get-AppxLog | Format-List\r\n"
    "Start-Sleep -seconds 5\r\n"
    "Exit\r\n";

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class PowerShellStandIn : public ::testing::TestWithParam<Call> {};

TEST_P(PowerShellStandIn, LogsItsCommandLineAndTheScriptItRuns) {
    const Call& call = GetParam();
    const TempFolder folder(L"stand in");
    const std::filesystem::path exe = folder.path() / L"powershell.exe";
    std::filesystem::copy_file(powerShellStandInPath(), exe);
    const std::filesystem::path script = folder.path() / L"Job Ordner" / L"Tandrel.ps1";
    std::filesystem::create_directories(script.parent_path());
    std::ofstream(script, std::ios::binary) << kScript;

    const std::wstring arguments = call.namesScript ? std::wstring(call.argumentsBefore) + script.wstring() +
                                                          std::wstring(call.argumentsAfter)
                                                    : std::wstring(call.argumentsBefore);
    const ChildProcess standIn = startProcess(exe, arguments, folder.path());
    ASSERT_EQ(standIn.waitForExit(), std::optional<DWORD>(0));

    std::string expected =
        "command line: \"" + tools::toUtf8(exe.wstring()) + "\" " + tools::toUtf8(arguments) + "\r\n";
    if (call.namesScript) {
        expected += "script: " + tools::toUtf8(script.wstring()) + "\r\n" + std::string(kScript) +
                    "\r\nend of script\r\n";
    }
    EXPECT_EQ(readFile(folder.path() / L"powershell-standin.log"), expected);
}

INSTANTIATE_TEST_SUITE_P(Calls, PowerShellStandIn, ::testing::ValuesIn(kCalls), test::CaseName());

} // namespace
} // namespace tandrel::e2e
