#include "app/event_loop.h"

#include "app/busy_state.h"
#include "app/commands.h"
#include "app/state.h"
#include "jobs/job_runner.h"
#include "platform/platform.h"

namespace tandrel {

void eventLoopPass(AppState& state, Platform& platform) {
    dispatchEvent(state, platform, platform.ui.waitEvent(kEventWaitMs));
    applyAfterEventRule(state, platform.ui);
    completeJobIfDone(state, platform);
}

void runEventLoop(AppState& state, Platform& platform) {
    do {
        eventLoopPass(state, platform);
    } while (!state.quit);
}

} // namespace tandrel
