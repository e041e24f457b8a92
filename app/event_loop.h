#pragma once

namespace tandrel {

struct AppState;
class Ui;

inline constexpr unsigned kEventWaitMs = 1000;

// One pass: wait for an event, dispatch it, apply the after-event rule.
void eventLoopPass(AppState& state, Ui& ui);
// Runs passes until the quit flag is set at the end of one.
void runEventLoop(AppState& state, Ui& ui);

} // namespace tandrel
