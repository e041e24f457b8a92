#pragma once

#include "app/ids.h"
#include "jobs/job_plan.h"

#include <optional>

namespace tandrel {

struct AppState;
struct Platform;

// A command that starts a PowerShell job: the package it names is read from `field`; the two
// list commands name none.
void runJobCommand(AppState& state, Platform& platform, JobKind kind, std::optional<Control> field);

} // namespace tandrel
