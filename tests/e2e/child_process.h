#pragma once

#include "tests/e2e/wait.h"
#include "tools/common/unique_handle.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace tandrel::e2e {

// A process a test started or took over. One that still runs when its owner goes is ended, so
// that a failed test leaves nothing behind that could hold ctest's output pipe open.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(tools::UniqueHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ~ChildProcess();

    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    bool running() const;
    // The exit code, or nullopt when the process still runs after `limit`.
    std::optional<DWORD> waitForExit(Milliseconds limit = kWaitLimit) const;

private:
    tools::UniqueHandle process_;
    DWORD id_ = 0;
};

// Starts `exe` with `folder` as its current folder; throws DriverError when it cannot start.
ChildProcess startProcess(const std::filesystem::path& exe, const std::wstring& arguments,
                          const std::filesystem::path& folder);
// Takes over a process the test did not start itself (one started by the program under test).
ChildProcess adoptProcess(DWORD id);
// Full path of the executable a process runs.
std::filesystem::path processImagePath(HANDLE process);

} // namespace tandrel::e2e
