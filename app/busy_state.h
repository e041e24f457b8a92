#pragma once

namespace tandrel {

struct AppState;
class Ui;

// Locks (on) or unlocks the controls and the "Programm" menu while a command works.
void setBusy(AppState& state, Ui& ui, bool on);
// Enables or disables the buttons of each tab after every event, by their package field.
void applyAfterEventRule(const AppState& state, Ui& ui);

} // namespace tandrel
