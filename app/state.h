#pragma once

#include "jobs/job_runner.h"

#include <string>

namespace tandrel {

inline constexpr unsigned kKeyWow64_64Key = 0x0100;

// The program-wide state: set at start-up, read by every command, alive for the whole run.
struct AppState {
    std::wstring systemDirectory;
    std::wstring shell32Path;
    std::wstring powerShellPath;
    // What a job starts: the PowerShell path, rewritten to Sysnative under WoW64.
    std::wstring runnerPowerShellPath;
    std::wstring programFilePath;
    std::wstring programFolder;
    std::wstring executable64Path;
    unsigned registryViewFlag = 0; // ORed into every registry access mask
    bool wow64 = false;
    bool elevated = false;
    std::wstring selectedApps;
    std::wstring workFolder;
    std::wstring jobScriptPath;
    std::wstring snapshotPath;
    std::wstring windowTitle;

    int onlySelected = 0;
    int additionalPackages = 0;
    int forceShutdown = 0;
    bool quit = false;
    bool busy = false;

    std::wstring statusText;
    // The text inventory of every installed package, rebuilt by each fill of the installed list.
    std::wstring toolList;
    JobState job;
};

} // namespace tandrel
