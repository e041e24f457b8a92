#pragma once

#include "platform/processes.h"

#include <deque>
#include <string>
#include <vector>

namespace tandrel::test {

// A program whose pipes deliver prepared chunks, one chunk per look, then close.
class FakeProcesses;

class FakeChild : public ChildProcess {
public:
    FakeChild() = default;
    FakeChild(const FakeChild&) = default;
    ~FakeChild() override;
    FakeProcesses* owner = nullptr;
    std::deque<std::string> output;
    std::deque<std::string> error;
    // A process it started keeps the pipes open after the program itself has ended.
    bool pipesStayOpen = false;

    bool hasEnded() override { return true; }
    std::optional<std::size_t> available(Pipe pipe) override;
    std::size_t read(Pipe pipe, std::span<std::uint8_t> into) override;
    bool writeInput(const std::string& bytes) override {
        input += bytes;
        return true;
    }
    void terminate() override { terminated = true; }
    std::string input;
    bool terminated = false;

private:
    std::deque<std::string>& chunks(Pipe pipe) { return pipe == Pipe::Output ? output : error; }
};

class FakeProcesses : public Processes {
public:
    bool failStart = false;
    FakeChild prepared;
    // Every child started, as it was when the program let go of it.
    std::vector<FakeChild> finished;
    std::vector<std::wstring> commandLines;
    std::vector<std::wstring> directories;
    std::vector<unsigned> sleeps;

    std::unique_ptr<ChildProcess> startHidden(const std::wstring& commandLine,
                                              const std::wstring& currentDirectory) override;
    void sleep(unsigned milliseconds) override { sleeps.push_back(milliseconds); }
};

} // namespace tandrel::test
