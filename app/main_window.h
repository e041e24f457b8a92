#pragma once

namespace tandrel {

struct AppState;
struct Platform;

// Builds the main window in its fixed order and fills both lists in its course.
void buildMainWindow(AppState& state, Platform& platform);

} // namespace tandrel
