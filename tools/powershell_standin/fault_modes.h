#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Ways the stand-in misbehaves for tests of the program's job runner, chosen by the environment
// variable TANDREL_STANDIN_MODE, which reaches it from the test through the program. A mode takes
// the place of the script: the call is logged, the registry is left alone.

namespace tandrel::tools {

enum class FaultKind {
    NumberedLines, // "lines:N": N numbered lines on standard output, as fast as the pipe takes them
    CrashMidline,  // "crash-midline": a line, half of the next without its line end, then a crash
    StderrOnly,    // "stderr-only": an error record, nothing on standard output
    BothPipesFull, // "both-pipes-full": 1 MB on each pipe, interleaved
    NeverEnd,      // "never-end": never ends
    Silent,        // "silent": prints nothing and ends
};

struct FaultMode {
    FaultKind kind;
    std::size_t lineCount = 0; // with NumberedLines
};

// What crash-midline's process ends with, like abort().
inline constexpr unsigned kCrashExitCode = 3;

// nullopt when the text names no mode.
std::optional<FaultMode> parseFaultMode(std::wstring_view text);
// Returns the exit code; crash-midline and never-end do not return.
int runFaultMode(const FaultMode& mode);

} // namespace tandrel::tools
