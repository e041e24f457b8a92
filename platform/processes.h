#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace tandrel {

enum class Pipe { Output, Error };

// A program started hidden with its standard handles on pipes; released when destroyed.
class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    virtual bool hasEnded() = 0;
    // The bytes waiting in a pipe; nothing once the pipe is closed and empty.
    virtual std::optional<std::size_t> available(Pipe pipe) = 0;
    // Reads at most what available() reported, so it does not wait.
    virtual std::size_t read(Pipe pipe, std::span<std::uint8_t> into) = 0;
    // Writes to the program's standard input; false when not all of it went through.
    virtual bool writeInput(const std::string& bytes) = 0;
    virtual void terminate() = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // Nothing when the program cannot be started. An empty folder leaves the current one.
    virtual std::unique_ptr<ChildProcess> startHidden(const std::wstring& commandLine,
                                                      const std::wstring& currentDirectory) = 0;
    virtual void sleep(unsigned milliseconds) = 0;
};

} // namespace tandrel
