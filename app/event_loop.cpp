#include "app/event_loop.h"

#include "app/busy_state.h"
#include "app/commands.h"
#include "app/state.h"
#include "platform/ui.h"

namespace tandrel {

void eventLoopPass(AppState& state, Ui& ui) {
    dispatchEvent(state, ui, ui.waitEvent(kEventWaitMs));
    applyAfterEventRule(state, ui);
}

void runEventLoop(AppState& state, Ui& ui) {
    do {
        eventLoopPass(state, ui);
    } while (!state.quit);
}

} // namespace tandrel
