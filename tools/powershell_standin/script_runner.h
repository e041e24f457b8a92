#pragma once

#include <string>

namespace tandrel::tools {

// Runs a job script the way PowerShell runs a script file: the whole file is parsed first and a
// parse error runs nothing; then line after line, errors going to standard error without
// stopping the script, until its end or its Exit. `sleeps` false makes Start-Sleep return at once.
// Returns the exit code.
int runScript(const std::wstring& scriptPath, const std::wstring& text, bool sleeps);

} // namespace tandrel::tools
