#include "log/log_commands.h"

#include "app/busy_state.h"
#include "app/commands.h"
#include "app/state.h"
#include "app/utf8.h"
#include "log/trace_log.h"
#include "platform/platform.h"

#include <cstdio>

namespace tandrel {

std::wstring defaultLogName(const LocalTime& t) {
    wchar_t digits[32];
    std::swprintf(digits, 32, L"%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return L"Tandrel " + std::wstring(digits);
}

void saveTraceLog(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    const SaveChoice choice =
        ui.askSavePath({L"Wo soll das LOG abgespeichert werden?", defaultLogName(p.system.localTime()),
                        L"Textdatei (*.txt)|*.txt|Logdatei (*.log)|*.log"});
    if (choice.path.empty()) {
        setStatusText(state, ui, L"Das Abspeichern des Ablauflogs wurde abgebrochen!");
    } else {
        // The extension of the chosen filter is added whatever the user typed.
        const std::wstring path = choice.path + (choice.filterIndex == 1 ? L".log" : L".txt");
        // A file that could not be written in full is reported as not saved, never as saved.
        if (p.files.writeFile(path, encodeUtf8(traceLogText(ui)))) {
            setStatusText(state, ui, L"Das Ablauflog wurde unter '" + path + L"' abgespeichert!");
        } else {
            setStatusText(state, ui,
                          L"Das Ablauflog konte nicht unter '" + path + L"' abgespeichert werden!");
        }
    }
    setBusy(state, ui, false);
}

void copyToolListToLog(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    appendBlock(ui, L"Tool-Liste der installierten Apps:\r\n");
    appendBlock(ui, L"\r\n");
    appendBlockLine(ui, state.toolList);
    appendBlock(ui, kSeparatorLine + L"\r\n");
    setStatusText(
        state, ui,
        L"Die Tool-Lister der installierten App-Pakete wurde in die Ablaufverfolgung \u00fcbernommen!");
    setBusy(state, ui, false);
}

void clearLog(AppState& state, Platform& p) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);
    clearTraceLog(ui);
    setStatusText(state, ui, L"Die Ablaufverfolgung wurde geleert!");
    setBusy(state, ui, false);
}

void writeSnapshotIfMissing(const AppState& state, Platform& p) {
    if (p.files.exists(state.snapshotPath)) {
        return;
    }
    const std::wstring snapshot =
        L"Tool-Liste der installierten Apps:\r\n\r\n" + state.toolList + L"\r\n" + kSeparatorLine + L"\r\n";
    // A snapshot that cannot be written is tried again at the next start.
    p.files.writeFile(state.snapshotPath, encodeUtf8(snapshot));
}

} // namespace tandrel
