#pragma once

namespace tandrel {

struct AppState;
struct Platform;

// Fill the two package lists from the registry and the package manifests.
void fillInstalledList(AppState& state, Platform& platform);
void fillProvisionedList(AppState& state, Platform& platform);

} // namespace tandrel
