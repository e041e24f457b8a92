#include "fake_processes.h"

#include <algorithm>

namespace tandrel::test {

std::optional<std::size_t> FakeChild::available(Pipe pipe) {
    auto& c = chunks(pipe);
    if (c.empty()) {
        return pipesStayOpen ? std::optional<std::size_t>(0) : std::nullopt;
    }
    return c.front().size();
}

std::size_t FakeChild::read(Pipe pipe, std::span<std::uint8_t> into) {
    auto& c = chunks(pipe);
    if (c.empty()) {
        return 0;
    }
    std::string& front = c.front();
    const std::size_t n = std::min(into.size(), front.size());
    std::copy_n(front.begin(), n, into.begin());
    front.erase(0, n);
    if (front.empty()) {
        c.pop_front();
    }
    return n;
}

FakeChild::~FakeChild() {
    if (owner) {
        FakeChild copy(*this);
        copy.owner = nullptr;
        owner->finished.push_back(copy);
    }
}

std::unique_ptr<ChildProcess> FakeProcesses::startHidden(const std::wstring& commandLine,
                                                         const std::wstring& currentDirectory) {
    commandLines.push_back(commandLine);
    directories.push_back(currentDirectory);
    if (failStart) {
        return nullptr;
    }
    auto child = std::make_unique<FakeChild>(prepared);
    child->owner = this;
    return child;
}

} // namespace tandrel::test
