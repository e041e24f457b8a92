#include "tools/powershell_standin/fault_modes.h"

#include "tools/common/utf8.h"
#include "tools/powershell_standin/answers.h"
#include "tools/powershell_standin/console_streams.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

namespace tandrel::tools {
namespace {

constexpr std::wstring_view kLinesPrefix = L"lines:";
// Large writes keep the pipe full; the program must keep up with them.
constexpr std::size_t kChunkBytes = 64 * 1024;
// Lines per turn on one pipe before the other gets its turn.
constexpr std::size_t kInterleaveLines = 64;

std::optional<std::size_t> lineCount(std::wstring_view text) {
    const std::wstring digits(text);
    wchar_t* end = nullptr;
    const unsigned long long count = std::wcstoull(digits.c_str(), &end, 10);
    if (digits.empty() || end != digits.c_str() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(count);
}

int writeNumberedLines(std::size_t count) {
    std::string chunk;
    for (const std::wstring& line : numberedLines(count)) {
        chunk += toUtf8(line + L"\r\n");
        if (chunk.size() >= kChunkBytes) {
            writeBytes(Stream::Output, chunk);
            chunk.clear();
        }
    }
    writeBytes(Stream::Output, chunk);
    return 0;
}

[[noreturn]] void crashMidline() {
    writeBytes(Stream::Output, toUtf8(crashWholeLine() + L"\r\n" + crashHalfLine()));
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
    for (;;) {
        Sleep(INFINITE);
    }
}

int bothPipesFull() {
    const Lines output = fullPipeLines(false);
    const Lines error = fullPipeLines(true);
    for (std::size_t first = 0; first < output.size(); first += kInterleaveLines) {
        const std::size_t end = std::min(first + kInterleaveLines, output.size());
        writeLines(Stream::Output, Lines(output.begin() + static_cast<std::ptrdiff_t>(first),
                                         output.begin() + static_cast<std::ptrdiff_t>(end)));
        writeLines(Stream::Error, Lines(error.begin() + static_cast<std::ptrdiff_t>(first),
                                        error.begin() + static_cast<std::ptrdiff_t>(end)));
    }
    return 0;
}

[[noreturn]] void neverEnd() {
    for (;;) {
        Sleep(INFINITE);
    }
}

} // namespace

std::optional<FaultMode> parseFaultMode(std::wstring_view text) {
    if (text.starts_with(kLinesPrefix)) {
        const auto count = lineCount(text.substr(kLinesPrefix.size()));
        return count ? std::optional(FaultMode{FaultKind::NumberedLines, *count}) : std::nullopt;
    }
    if (text == L"crash-midline") {
        return FaultMode{FaultKind::CrashMidline};
    }
    if (text == L"stderr-only") {
        return FaultMode{FaultKind::StderrOnly};
    }
    if (text == L"both-pipes-full") {
        return FaultMode{FaultKind::BothPipesFull};
    }
    if (text == L"never-end") {
        return FaultMode{FaultKind::NeverEnd};
    }
    if (text == L"silent") {
        return FaultMode{FaultKind::Silent};
    }
    return std::nullopt;
}

int runFaultMode(const FaultMode& mode) {
    switch (mode.kind) {
    case FaultKind::NumberedLines:
        return writeNumberedLines(mode.lineCount);
    case FaultKind::CrashMidline:
        crashMidline();
    case FaultKind::StderrOnly:
        writeLines(Stream::Error, stderrOnlyLines());
        return 1;
    case FaultKind::BothPipesFull:
        return bothPipesFull();
    case FaultKind::NeverEnd:
        neverEnd();
    case FaultKind::Silent:
        return 0;
    }
    return 0;
}

} // namespace tandrel::tools
