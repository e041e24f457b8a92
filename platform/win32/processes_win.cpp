#include "platform/win32/processes_win.h"

#include "platform/win32/handles_win.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace tandrel {
namespace {

// One anonymous pipe: the end the child inherits, and the parent's end, which it must not.
struct PipePair {
    HandleOwner child;
    HandleOwner parent;
};

// The parent's end is duplicated without inheritance, so that the child does not keep its own
// pipe open and the parent sees the end of the stream when the child exits.
bool makePipe(PipePair& pipe, bool parentReads) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) {
        return false;
    }
    HandleOwner readOwner(read);
    HandleOwner writeOwner(write);
    HandleOwner& parentEnd = parentReads ? readOwner : writeOwner;
    HANDLE duplicate = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), parentEnd.get(), GetCurrentProcess(), &duplicate, 0, FALSE,
                         DUPLICATE_SAME_ACCESS)) {
        return false;
    }
    pipe.parent.reset(duplicate);
    parentEnd.reset();
    pipe.child = std::move(parentReads ? writeOwner : readOwner);
    return true;
}

class Win32ChildProcess final : public ChildProcess {
public:
    Win32ChildProcess(HandleOwner process, HandleOwner input, HandleOwner output, HandleOwner error)
        : process_(std::move(process)), input_(std::move(input)), output_(std::move(output)),
          error_(std::move(error)) {}

    bool hasEnded() override { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

    std::optional<std::size_t> available(Pipe pipe) override {
        DWORD waiting = 0;
        if (!PeekNamedPipe(end(pipe), nullptr, 0, nullptr, &waiting, nullptr)) {
            return std::nullopt; // closed by the writer and drained
        }
        return waiting;
    }

    std::size_t read(Pipe pipe, std::span<std::uint8_t> into) override {
        DWORD got = 0;
        const auto wanted =
            static_cast<DWORD>(std::min<std::size_t>(into.size(), std::numeric_limits<DWORD>::max()));
        if (!ReadFile(end(pipe), into.data(), wanted, &got, nullptr)) {
            return 0;
        }
        return got;
    }

    bool writeInput(const std::string& bytes) override {
        DWORD written = 0;
        return WriteFile(input_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }

    void terminate() override { TerminateProcess(process_.get(), static_cast<UINT>(-1)); }

private:
    HANDLE end(Pipe pipe) const { return pipe == Pipe::Output ? output_.get() : error_.get(); }

    HandleOwner process_;
    HandleOwner input_; // never written; kept open while the job runs
    HandleOwner output_;
    HandleOwner error_;
};

} // namespace

std::unique_ptr<ChildProcess> Win32Processes::startHidden(const std::wstring& commandLine,
                                                          const std::wstring& currentDirectory) {
    PipePair input;
    PipePair output;
    PipePair error;
    if (!makePipe(input, false) || !makePipe(output, true) || !makePipe(error, true)) {
        return nullptr;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input.child.get();
    startup.hStdOutput = output.child.get();
    startup.hStdError = error.child.get();
    std::wstring mutableLine = commandLine; // CreateProcessW may write into it
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &started)) {
        return nullptr;
    }
    CloseHandle(started.hThread);
    // The child's ends close here; only the child holds them now.
    return std::make_unique<Win32ChildProcess>(HandleOwner(started.hProcess), std::move(input.parent),
                                               std::move(output.parent), std::move(error.parent));
}

void Win32Processes::sleep(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace tandrel
