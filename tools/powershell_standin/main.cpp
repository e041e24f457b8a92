// Stands in for powershell.exe in the test prefix. It logs how it was called and the script it
// was given, then runs the script's Appx cmdlets against the packages in the prefix's registry,
// answering on standard output and standard error as PowerShell would.

#include "tools/common/utf8.h"
#include "tools/powershell_standin/console_streams.h"
#include "tools/powershell_standin/fault_modes.h"
#include "tools/powershell_standin/invocation.h"
#include "tools/powershell_standin/script_runner.h"
#include "tools/powershell_standin/standin_log.h"

#include <windows.h>

#include <string>

namespace {

std::wstring environmentText(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), length));
    return value;
}

} // namespace

int wmain() {
    using namespace tandrel::tools;
    const Invocation invocation = parseInvocation(GetCommandLineW());
    const std::optional<std::string> script =
        invocation.scriptPath.empty() ? std::nullopt : readWholeFile(invocation.scriptPath);
    appendToLog(standInLogPath(), describeInvocation(invocation, script));

    if (const std::wstring modeText = environmentText(L"TANDREL_STANDIN_MODE"); !modeText.empty()) {
        const std::optional<FaultMode> mode = parseFaultMode(modeText);
        if (!mode) {
            writeLines(Stream::Error, {L"TANDREL_STANDIN_MODE names no mode of the stand-in: " + modeText});
            return 2;
        }
        return runFaultMode(*mode);
    }
    if (invocation.scriptPath.empty()) {
        return 0;
    }
    if (!script) {
        writeLines(Stream::Error, missingScriptError(invocation.scriptPath));
        return 1;
    }
    // Tests set TANDREL_STANDIN_SLEEP to 0 so that a job's "Start-Sleep -seconds 5" costs nothing.
    return runScript(invocation.scriptPath, fromUtf8(*script),
                     environmentText(L"TANDREL_STANDIN_SLEEP") != L"0");
}
