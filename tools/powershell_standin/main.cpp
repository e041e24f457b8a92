// Stands in for powershell.exe in the test prefix. It records how it was called; the Appx
// cmdlets the program's job scripts use are to be answered from the script it is given.

#include "tools/powershell_standin/invocation.h"
#include "tools/powershell_standin/standin_log.h"

#include <windows.h>

int wmain() {
    using namespace tandrel::tools;
    const Invocation invocation = parseInvocation(GetCommandLineW());
    appendToLog(standInLogPath(), describeInvocation(invocation));
    return 0;
}
