#pragma once

#include <string>

namespace tandrel::tools {

// How PowerShell was called: the program passes "-executionpolicy bypass -file <script>".
struct Invocation {
    std::wstring commandLine;
    // The argument after -file (any letter case); empty without one.
    std::wstring scriptPath;
};

Invocation parseInvocation(const wchar_t* commandLine);

} // namespace tandrel::tools
