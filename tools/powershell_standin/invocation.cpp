#include "tools/powershell_standin/invocation.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace tandrel::tools {
namespace {

struct LocalFreer {
    void operator()(wchar_t** arguments) const { LocalFree(arguments); }
};

bool isFileSwitch(const wchar_t* argument) {
    return CompareStringOrdinal(argument, -1, L"-file", -1, TRUE) == CSTR_EQUAL;
}

} // namespace

Invocation parseInvocation(const wchar_t* commandLine) {
    Invocation invocation{commandLine, {}};
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreer> arguments(CommandLineToArgvW(commandLine, &count));
    for (int i = 1; arguments && i + 1 < count; ++i) {
        if (isFileSwitch(arguments.get()[i])) {
            invocation.scriptPath = arguments.get()[i + 1];
            break;
        }
    }
    return invocation;
}

} // namespace tandrel::tools
