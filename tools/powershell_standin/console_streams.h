#pragma once

#include "tools/powershell_standin/answers.h"

#include <string>

namespace tandrel::tools {

enum class Stream { Output, Error };

// Writes to the stand-in's standard output or error as PowerShell does when they are pipes:
// UTF-8, every line ended by CR LF. A missing handle swallows the text.
void writeBytes(Stream stream, const std::string& bytes);
void writeLines(Stream stream, const Lines& lines);

} // namespace tandrel::tools
