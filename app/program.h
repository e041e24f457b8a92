#pragma once

namespace tandrel {

struct AppState;
struct Platform;

// Start-up, the event loop and shutdown; the process's exit code (always 0).
int runProgram(AppState& state, Platform& platform);

} // namespace tandrel
