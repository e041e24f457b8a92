// Stands in for runas.exe in the test prefix. The program's hidden command processor runs
// runas /trustlevel:0x20000 "<viewer command>" to open a document without administrator rights.
// The stand-in logs its command line beside itself, then starts the command as runas would, with
// no change of rights: Wine has none to take away.

#include "tools/common/unique_handle.h"
#include "tools/powershell_standin/standin_log.h"

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    using namespace tandrel::tools;
    appendToLog(logBesideProgram(L"runas-standin.log"), std::wstring(GetCommandLineW()) + L"\r\n");
    // The command is runas's last argument; its first word is the program, found as CreateProcessW
    // finds an unquoted path with blanks in it.
    std::wstring command = argc > 2 ? argv[argc - 1] : L"";
    if (command.empty()) {
        return 1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return 1;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    return 0;
}
