#include "jobs/job_runner.h"

#include "app/busy_state.h"
#include "app/commands.h"
#include "app/state.h"
#include "inventory/lists.h"
#include "jobs/job_plan.h"
#include "jobs/line_splitter.h"
#include "log/log_commands.h"
#include "log/trace_log.h"
#include "platform/platform.h"

#include <vector>

namespace tandrel {
namespace {

constexpr unsigned kStartWaitMs = 3000;
constexpr unsigned kPollMs = 10;
const std::wstring kBlockEnd(9, L'_');

void appendFramed(Ui& ui, const wchar_t* heading, const std::wstring& text) {
    if (!text.empty()) {
        appendBlock(ui, std::wstring(heading) + L"\r\n");
        appendBlockLine(ui, text);
        appendBlock(ui, kBlockEnd + L"\r\n");
    }
}

} // namespace

void collectJobOutput(ChildProcess& child, Processes& processes, std::wstring& output, std::wstring& error) {
    LineSplitter outputLines(true);
    LineSplitter errorLines(false);
    std::vector<std::uint8_t> buffer(64 * 1024);
    for (;;) {
        bool read = false;
        bool open = false;
        for (Pipe pipe : {Pipe::Output, Pipe::Error}) {
            const auto waiting = child.available(pipe);
            if (!waiting) {
                continue;
            }
            open = true;
            if (*waiting > 0) {
                const std::size_t got =
                    child.read(pipe, std::span(buffer).first(std::min(*waiting, buffer.size())));
                (pipe == Pipe::Output ? outputLines : errorLines)
                    .feed(std::span(buffer).first(got), pipe == Pipe::Output ? output : error);
                read = read || got > 0;
            }
        }
        // A program that has ended and left nothing in either pipe is done, even if a process it
        // started still holds a pipe open.
        if (!read && (!open || child.hasEnded())) {
            break;
        }
        if (!read) {
            processes.sleep(kPollMs);
        }
    }
    outputLines.finish(output);
    errorLines.finish(error);
}

void runJob(JobState& job, Processes& processes, Ui& ui, const std::wstring& commandLine,
            const std::wstring& directory) {
    auto child = processes.startHidden(commandLine, directory);
    processes.sleep(kStartWaitMs);
    if (child) {
        collectJobOutput(*child, processes, job.output, job.error);
        child.reset();
    }
    if (!job.output.empty()) {
        addLine(ui, L"Output:");
        addLine(ui, job.output);
    }
    if (!job.error.empty()) {
        addLine(ui, L"Error:");
        addLine(ui, job.error);
    }
    job.done.store(true, std::memory_order_release);
}

void startJob(AppState& state, Platform& p) {
    JobState& job = state.job;
    job.output.clear();
    job.error.clear();
    job.worker = std::thread(runJob, std::ref(job), std::ref(p.processes), std::ref(p.ui),
                             powerShellCommandLine(state.runnerPowerShellPath, state.jobScriptPath),
                             state.systemDirectory);
}

void completeJobIfDone(AppState& state, Platform& p) {
    JobState& job = state.job;
    if (!job.done.load(std::memory_order_acquire)) {
        return;
    }
    state.runnerPowerShellPath = state.powerShellPath;
    job.done.store(false, std::memory_order_relaxed);
    appendFramed(p.ui, L"Output:", job.output);
    appendFramed(p.ui, L"Error:", job.error);
    if (job.worker.joinable()) {
        job.worker.join();
    }
    appendBlock(p.ui, kSeparatorLine + L"\r\n");
    fillInstalledList(state, p);
    fillProvisionedList(state, p);
    setBusy(state, p.ui, false);
    setStatusText(state, p.ui, job.completionMessage);
}

} // namespace tandrel
