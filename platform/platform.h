#pragma once

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/ui.h"
#include "platform/version_info.h"

namespace tandrel {

// The services the program reaches Windows through; the real ones or test fakes.
struct Platform {
    SystemInfo& system;
    Files& files;
    Processes& processes;
    Registry& registry;
    Shell& shell;
    VersionInfo& versions;
    Ui& ui;
};

} // namespace tandrel
