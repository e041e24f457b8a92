#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace tandrel {

class ChildProcess;
class Processes;
class Ui;
struct AppState;
struct Platform;

// The one job that may run. The worker writes the two texts and then raises `done`; the
// user-interface thread reads them only after it has seen `done` raised.
struct JobState {
    std::atomic<bool> done{false};
    std::wstring output;
    std::wstring error;
    std::thread worker;
    std::wstring completionMessage;
};

// Reads both pipes to their end, whatever is waiting on each pass, so that a full pipe never
// stalls PowerShell while the other is read.
void collectJobOutput(ChildProcess& child, Processes& processes, std::wstring& output, std::wstring& error);
// The worker: PowerShell on the job script, its answer into the log, then the flag.
void runJob(JobState& job, Processes& processes, Ui& ui, const std::wstring& commandLine,
            const std::wstring& directory);
void startJob(AppState& state, Platform& platform);
// Runs when the worker has raised its flag: the framed answer, fresh lists, the message.
void completeJobIfDone(AppState& state, Platform& platform);

} // namespace tandrel
