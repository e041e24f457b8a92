#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the stand-in answers, as lines without their CR LF. Tests compute from the same functions
// what the program must have carried from PowerShell's pipes into its trace log.

namespace tandrel::tools {

using Lines = std::vector<std::wstring>;

struct ListField {
    std::wstring label;
    std::wstring value;
};
using ListRecord = std::vector<ListField>;

// Format-List: an empty line, then each record's "Label : value" lines with the labels padded to
// the record's longest, each record followed by an empty line, and one more empty line at the end.
Lines formatList(const std::vector<ListRecord>& records);

struct InstalledPackage {
    std::wstring fullName;
    // The package's root folder; empty when the registry names none.
    std::wstring installLocation;
};

struct ProvisionedPackage {
    std::wstring packageName;
    // The manifest the all-user store names; empty when it names none.
    std::wstring manifestPath;
};

ListRecord installedRecord(const InstalledPackage& package);
ListRecord provisionedRecord(const ProvisionedPackage& package);
// Get-AppxLog: the last deployment events, the same on every call.
std::vector<ListRecord> appxLogRecords();
// What Remove-AppxProvisionedPackage returns when it has removed a package.
ListRecord provisionedRemovalRecord();

// Progress lines of a deployment that worked.
Lines removalLines(const std::wstring& fullName);
Lines installLines(const std::wstring& mainPackage, bool forceShutdown);
Lines registrationLines(const std::wstring& manifestPath, bool forceShutdown);

// Where in the script an error arose; PowerShell quotes the line and underlines it.
struct ErrorSite {
    std::wstring scriptPath;
    std::size_t lineNumber = 0;
    std::wstring lineText;
};

Lines packageNotInstalledError(const std::wstring& fullName, const ErrorSite& site);
Lines provisionedPackageNotFoundError(const std::wstring& packageName, const ErrorSite& site);
Lines unknownCommandError(const std::wstring& command, const ErrorSite& site);
Lines missingArgumentError(const std::wstring& command, const std::wstring& parameter, const ErrorSite& site);
Lines unterminatedStringError(const ErrorSite& site);
Lines missingScriptError(const std::wstring& scriptPath);

// The fault modes' texts (TANDREL_STANDIN_MODE).
// lines:N: line `number` (from 1) of `count`; every third carries umlauts.
std::wstring numberedLine(std::size_t number, std::size_t count);
Lines numberedLines(std::size_t count);
// crash-midline: this whole line, then the first half of the second without its line end.
std::wstring crashWholeLine();
std::wstring crashHalfLine();
// stderr-only: an error record with nothing on standard output.
Lines stderrOnlyLines();
// both-pipes-full: what goes to each pipe, 1 MB of ASCII lines of 64 bytes with their CR LF.
Lines fullPipeLines(bool errorPipe);

} // namespace tandrel::tools
