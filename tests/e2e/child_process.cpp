#include "tests/e2e/child_process.h"

#include "tests/e2e/driver_error.h"
#include "tools/common/utf8.h"

namespace tandrel::e2e {

ChildProcess::~ChildProcess() {
    if (process_ && running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ChildProcess::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::waitForExit(Milliseconds limit) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

ChildProcess startProcess(const std::filesystem::path& exe, const std::wstring& arguments,
                          const std::filesystem::path& folder) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.c_str(), &startup, &info)) {
        throw DriverError("cannot start " + tools::toUtf8(exe.wstring()) + ": error " +
                          std::to_string(GetLastError()));
    }
    const tools::UniqueHandle thread(info.hThread);
    return {tools::UniqueHandle(info.hProcess), info.dwProcessId};
}

ChildProcess adoptProcess(DWORD id) {
    tools::UniqueHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, id));
    if (!process) {
        throw DriverError("cannot open process " + std::to_string(id) + ": error " +
                          std::to_string(GetLastError()));
    }
    return {std::move(process), id};
}

std::filesystem::path processImagePath(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &length)) {
        throw DriverError("cannot read the image path of a process: error " + std::to_string(GetLastError()));
    }
    path.resize(length);
    return path;
}

} // namespace tandrel::e2e
