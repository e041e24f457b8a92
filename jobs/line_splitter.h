#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tandrel {

// Turns the bytes of a pipe into lines: LF ends a line, every CR is dropped, each line is
// decoded as UTF-8, and each is appended to a text with CR LF. A line that has begun waits
// for its LF, or for the end of the pipe.
class LineSplitter {
public:
    explicit LineSplitter(bool keepEmptyLines) : keepEmptyLines_(keepEmptyLines) {}
    void feed(std::span<const std::uint8_t> bytes, std::wstring& text);
    // The pipe has ended: a begun line is a line.
    void finish(std::wstring& text);

private:
    void endLine(std::wstring& text);

    std::vector<std::uint8_t> line_;
    bool begun_ = false;
    bool keepEmptyLines_;
};

} // namespace tandrel
