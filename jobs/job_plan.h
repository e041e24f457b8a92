#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tandrel {

enum class JobKind { Install, Uninstall, Repair, RemoveProvisioned, ListInstalled, ListProvisioned };

struct Confirmation {
    std::wstring text;
    bool exclamation = false; // the exclamation mark instead of the question mark
};

// Everything one command says and does, composed before anything happens.
struct JobPlan {
    std::optional<Confirmation> confirmation;
    std::wstring startText;
    std::wstring jobCommand;
    std::wstring logLine;
    std::vector<std::wstring> fixedLines;
    std::wstring completionMessage;
};

inline constexpr std::size_t kPackageTextLimit = 65000;

// The package text as a command reads its field: at most its first 65000 characters.
std::wstring packageTextOf(const std::wstring& fieldText);
// A text PowerShell would split into lines or that could smuggle in invisible commands.
bool hasControlCharacter(const std::wstring& text);
// The inside of a single-quoted PowerShell string: every kind of single quote doubled.
std::wstring quotedForPowerShell(const std::wstring& text);
JobPlan planJob(JobKind kind, const std::wstring& packageText, bool forceShutdown);
// The job script: the job command and the fixed lines, each ending in CR LF, as UTF-8.
std::string jobScript(const JobPlan& plan);
// How PowerShell is started on the script.
std::wstring powerShellCommandLine(const std::wstring& powerShellPath, const std::wstring& scriptPath);

} // namespace tandrel
