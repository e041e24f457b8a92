#pragma once

namespace tandrel {

struct AppState;
struct Platform;

inline constexpr unsigned kEventWaitMs = 1000;

// One pass: wait for an event, dispatch it, apply the after-event rule.
void eventLoopPass(AppState& state, Platform& platform);
// Runs passes until the quit flag is set at the end of one.
void runEventLoop(AppState& state, Platform& platform);

} // namespace tandrel
