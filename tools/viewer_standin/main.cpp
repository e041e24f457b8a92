// Stands in for the program the shell associates with .html and .chm files in the test prefix:
// it logs the arguments it was started with beside itself and ends. Only the arguments: Wine puts
// double quotes around a program path with blanks in the command line it passes on, where
// Windows passes the line unchanged.

#include "tools/powershell_standin/standin_log.h"

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    using namespace tandrel::tools;
    std::wstring arguments;
    for (int i = 1; i < argc; ++i) {
        arguments += (i > 1 ? L" " : L"") + std::wstring(argv[i]);
    }
    appendToLog(logBesideProgram(L"viewer-standin.log"), arguments + L"\r\n");
    return 0;
}
