#pragma once

namespace tandrel {

struct AppState;
class Ui;

// Builds the main window in its fixed order and fills both lists in its course.
void buildMainWindow(AppState& state, Ui& ui);

} // namespace tandrel
