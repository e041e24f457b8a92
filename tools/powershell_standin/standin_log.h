#pragma once

#include "tools/powershell_standin/invocation.h"

#include <filesystem>
#include <string>

namespace tandrel::tools {

// powershell-standin.log beside the running stand-in.
std::filesystem::path standInLogPath();

// One entry of the log: the command line, then the script it names, as the stand-in read it.
// The program re-creates its job script for every job and deletes it at the end, so the log is
// where a test finds it afterwards.
std::wstring describeInvocation(const Invocation& invocation);

// Appends as UTF-8; several stand-ins may run at once, so each entry is one write.
void appendToLog(const std::filesystem::path& log, const std::wstring& entry);

} // namespace tandrel::tools
