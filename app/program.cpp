#include "app/program.h"

#include "app/busy_state.h"
#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "app/state.h"
#include "app/version_gate.h"
#include "info/version_entry.h"
#include "inventory/selected_apps.h"
#include "log/log_commands.h"
#include "platform/platform.h"

namespace tandrel {
namespace {

const std::wstring kZoneMark = L":Zone.Identifier";

// The early ends leave no state behind but the user-interface layer.
int endEarly(Ui& ui) {
    ui.shutdown();
    return 0;
}

void shutDown(AppState& state, Platform& p) {
    // A job still running is abandoned, not awaited: its worker ends with the process.
    if (state.job.worker.joinable()) {
        state.job.worker.detach();
    }
    p.ui.releaseImages();
    p.files.deleteFile(state.jobScriptPath);
    p.ui.shutdown();
}

} // namespace

int runProgram(AppState& state, Platform& p) {
    p.ui.initialise();

    if (!isSupportedWindows(p.system.osVersion())) {
        p.ui.errorBox(L"Oh - das geht nicht!", L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht!");
        return endEarly(p.ui);
    }

    state.systemDirectory = p.system.systemDirectory();
    state.shell32Path = state.systemDirectory + L"\\Shell32.dll";
    p.system.loadLibrary(state.shell32Path);
    state.powerShellPath = powerShellPathIn(state.systemDirectory);
    state.runnerPowerShellPath = state.powerShellPath;

    state.programFilePath = p.system.moduleFileName();
    state.programFolder = programFolderOf(state.programFilePath);

    state.registryViewFlag = 0;
    state.wow64 = p.system.isWow64();
    if (state.wow64) {
        state.registryViewFlag = kKeyWow64_64Key;
        state.runnerPowerShellPath = sysnativePath(p.system.upperCase(state.runnerPowerShellPath));
    }

    if (!p.files.exists(state.runnerPowerShellPath)) {
        p.ui.errorBox(
            L"Oh - es ist ein Fehler passiert!",
            L"Auf dieser Windowsversion funktioniert 'Tandrel' nicht! Powershell konnte nicht gefunden "
            L"werden!");
        return endEarly(p.ui);
    }

    p.files.deleteFile(state.programFilePath + kZoneMark);
    state.programFolder = withBackslash(state.programFolder);
    p.files.deleteFile(state.programFolder + L"TandrelHelp.chm" + kZoneMark);

    state.executable64Path = state.programFolder + L"Tandrel64.exe";
    state.programFilePath = state.executable64Path;

    // A 32-bit build on 64-bit Windows would see a redirected registry; the 64-bit build does the work.
    if (state.wow64) {
        p.files.deleteFile(state.executable64Path + kZoneMark);
        p.shell.open(state.executable64Path);
        return endEarly(p.ui);
    }

    state.elevated = p.system.isAdministrator();
    state.selectedApps = buildSelectedApps();

    state.workFolder = workFolderIn(p.shell.specialFolder(kCsidlAppData));
    p.files.createDirectory(folderToCreate(state.workFolder));
    state.jobScriptPath = jobScriptPathIn(state.workFolder);
    state.snapshotPath = snapshotPathIn(state.workFolder);

    state.windowTitle = L"Tandrel 64Bit (@Ulvar) Version " +
                        readVersionEntry(p.versions, p.system.moduleFileName(), L"FileVersion");

    buildMainWindow(state, p);
    setBusy(state, p.ui, false);
    writeSnapshotIfMissing(state, p);

    runEventLoop(state, p);
    shutDown(state, p);
    return 0;
}

} // namespace tandrel
