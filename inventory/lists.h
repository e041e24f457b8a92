#pragma once

namespace tandrel {

struct AppState;
class Ui;

// Fill the two package lists from the registry and the package manifests.
void fillInstalledList(AppState& state, Ui& ui);
void fillProvisionedList(AppState& state, Ui& ui);

} // namespace tandrel
