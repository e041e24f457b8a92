#include "jobs/package_commands.h"

#include "app/busy_state.h"
#include "app/commands.h"
#include "app/state.h"
#include "jobs/job_runner.h"
#include "log/trace_log.h"
#include "platform/platform.h"

namespace tandrel {
namespace {

void refuse(AppState& state, Ui& ui, const std::wstring& text) {
    setStatusText(state, ui, text);
    setBusy(state, ui, false);
}

} // namespace

void runJobCommand(AppState& state, Platform& p, JobKind kind, std::optional<Control> field) {
    Ui& ui = p.ui;
    ui.beep(Beep::Ok);
    setBusy(state, ui, true);

    const std::wstring packageText = field ? packageTextOf(ui.text(*field)) : std::wstring();
    // A line break would end the command early and let the rest of the text run as a command of its own.
    if (hasControlCharacter(packageText)) {
        refuse(
            state, ui,
            L"Der Paketname enth\u00e4lt Zeilenumbr\u00fcche oder Steuerzeichen und wird nicht verwendet!");
        return;
    }
    const JobPlan plan = planJob(kind, packageText, state.forceShutdown != 0);
    if (plan.confirmation && !ui.confirm(L"Wollen Sie das wirklich tun?", plan.confirmation->text,
                                         plan.confirmation->exclamation)) {
        setBusy(state, ui, false);
        return;
    }
    setStatusText(state, ui, plan.startText);
    addLine(ui, plan.logLine);
    // PowerShell must never run whatever older script is left at that path.
    if (!p.files.writeFile(state.jobScriptPath, jobScript(plan))) {
        const std::wstring failed = L"Das Jobskript konnte nicht unter '" + state.jobScriptPath +
                                    L"' geschrieben werden, PowerShell wurde nicht gestartet!";
        addLine(ui, failed);
        refuse(state, ui, failed);
        return;
    }
    state.job.completionMessage = plan.completionMessage;
    startJob(state, p);
}

} // namespace tandrel
