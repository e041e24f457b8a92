#pragma once

#include "tools/powershell_standin/invocation.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tandrel::tools {

// A log named `name` beside the running stand-in.
std::filesystem::path logBesideProgram(const wchar_t* name);
// powershell-standin.log beside the running stand-in.
std::filesystem::path standInLogPath();

// The whole file; nullopt when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// One entry of the log: the command line, then the script it names, as the stand-in read it
// (nothing between the markers when it could not be read). The program re-creates its job
// script for every job and deletes it at the end, so the log is where a test finds it afterwards.
std::wstring describeInvocation(const Invocation& invocation, const std::optional<std::string>& script);

// Appends as UTF-8; several stand-ins may run at once, so each entry is one write.
void appendToLog(const std::filesystem::path& log, const std::wstring& entry);

} // namespace tandrel::tools
