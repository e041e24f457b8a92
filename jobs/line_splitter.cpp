#include "jobs/line_splitter.h"

#include "app/utf8.h"

namespace tandrel {

void LineSplitter::feed(std::span<const std::uint8_t> bytes, std::wstring& text) {
    for (std::uint8_t b : bytes) {
        if (b == '\n') {
            endLine(text);
        } else {
            begun_ = true;
            if (b != '\r') {
                line_.push_back(b);
            }
        }
    }
}

void LineSplitter::finish(std::wstring& text) {
    if (begun_) {
        endLine(text);
    }
}

void LineSplitter::endLine(std::wstring& text) {
    const std::wstring line = decodeUtf8(line_);
    if (!line.empty() || keepEmptyLines_) {
        text += line;
        text += L"\r\n";
    }
    line_.clear();
    begun_ = false;
}

} // namespace tandrel
