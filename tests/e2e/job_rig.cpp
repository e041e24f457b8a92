#include "tests/e2e/job_rig.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/list_view.h"
#include "tests/e2e/menu_probe_client.h"
#include "tests/e2e/status_bar.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"
#include "tools/common/utf8.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>

namespace tandrel::e2e {
namespace {

// Longer than a hidden PowerShell takes to start under Wine on a busy machine.
constexpr Milliseconds kPowerShellStartLimit{4000};
const std::wstring kNineUnderscores(9, L'_');
const std::wstring kSeparator(68, L'_');

std::wstring systemDirectory() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return system;
}

std::uintmax_t sizeOf(const std::filesystem::path& file) {
    std::error_code missing;
    const std::uintmax_t size = std::filesystem::file_size(file, missing);
    return missing ? 0 : size;
}

std::wstring collected(const tools::Lines& lines, bool keepEmpty) {
    std::wstring text;
    for (const std::wstring& line : lines) {
        if (keepEmpty || !line.empty()) {
            text += line + L"\r\n";
        }
    }
    return text;
}

} // namespace

ScopedEnvironment::ScopedEnvironment(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
    const DWORD length = GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
    if (length > 0) {
        std::wstring old(length, L'\0');
        old.resize(GetEnvironmentVariableW(name_.c_str(), old.data(), length));
        old_ = old;
    }
    SetEnvironmentVariableW(name_.c_str(), value.empty() ? nullptr : value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableW(name_.c_str(), old_ ? old_->c_str() : nullptr);
}

JobTandrel::JobTandrel(const std::wstring& standInMode)
    : noSleep_(L"TANDREL_STANDIN_SLEEP", L"0"), mode_(L"TANDREL_STANDIN_MODE", standInMode),
      app_(startTandrel(tandrel64Path())) {}

JobTandrel::~JobTandrel() {
    app_.closeWithCloseBox();
}

FileGrowth::FileGrowth(std::filesystem::path file) : file_(std::move(file)), start_(sizeOf(file_)) {}

std::string FileGrowth::appended() const {
    const std::string all = fileBytes(file_);
    return all.size() > start_ ? all.substr(static_cast<std::size_t>(start_)) : std::string();
}

std::filesystem::path powerShellStandInLog() {
    return systemPowerShellPath().replace_filename(L"powershell-standin.log");
}

std::filesystem::path runasStandInLog() {
    return std::filesystem::path(systemDirectory()) / L"runas-standin.log";
}

std::filesystem::path viewerStandInPath() {
    // Where scripts/lib/wineprefix.sh puts it.
    return L"C:\\Program Files\\Tandrel Viewer\\viewer.exe";
}

std::filesystem::path viewerStandInLog() {
    return viewerStandInPath().replace_filename(L"viewer-standin.log");
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string expectedStandInEntry(const std::string& script) {
    const std::wstring scriptPath = jobScriptPath().wstring();
    const std::wstring commandLine =
        L"\"" + systemDirectory() +
        L"\\WindowsPowerShell\\V1.0\\Powershell.exe\" -executionpolicy bypass -file \"" + scriptPath + L"\"";
    return tools::toUtf8(L"command line: " + commandLine + L"\r\nscript: " + scriptPath + L"\r\n") + script +
           "\r\nend of script\r\n";
}

::testing::AssertionResult jobCompletes(const RunningTandrel& app, const std::wstring& completionMessage,
                                        Milliseconds limit, Milliseconds* longestSilence) {
    using Clock = std::chrono::steady_clock;
    const HWND statusBar = app.control(Control::StatusBar);
    std::wstring shown;
    Milliseconds silence{};
    auto lastAnswer = Clock::now();
    const bool completed = pollUntil(
        [&] {
            try {
                shown = statusBarText(app.process.handle(), statusBar);
            } catch (const DriverError&) {
                return false;
            }
            const auto now = Clock::now();
            silence = std::max(silence, std::chrono::duration_cast<Milliseconds>(now - lastAnswer));
            lastAnswer = now;
            return shown == completionMessage;
        },
        limit);
    if (longestSilence != nullptr) {
        *longestSilence = silence;
    }
    if (completed) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the job did not complete in " << limit.count()
                                         << " ms: the status bar shows " << ::testing::PrintToString(shown);
}

::testing::AssertionResult powerShellStaysUnstarted(const FileGrowth& standInLog) {
    if (pollUntil([&] { return !standInLog.appended().empty(); }, kPowerShellStartLimit)) {
        return ::testing::AssertionFailure() << "PowerShell was started: " << standInLog.appended();
    }
    return ::testing::AssertionSuccess();
}

void putIntoField(const RunningTandrel& app, Control field, std::wstring_view text, Control button) {
    typeText(app.control(field), text);
    waitUntil([&] { return IsWindowEnabled(app.control(button)) != FALSE; },
              "the button stayed disabled with a package in the field");
}

std::vector<std::wstring> listColumn(const RunningTandrel& app, Control list, int column) {
    std::vector<std::wstring> texts;
    for (const ListViewRow& row : listRows(app.process.handle(), app.control(list))) {
        texts.push_back(row.cells.at(static_cast<std::size_t>(column)));
    }
    return texts;
}

std::wstring selectFirstRow(const RunningTandrel& app, Control list, int column, Control field,
                            Control button) {
    const std::vector<std::wstring> texts = listColumn(app, list, column);
    if (texts.empty()) {
        throw DriverError("the list shows no row to select");
    }
    selectListRow(app.process.handle(), app.control(list), 0);
    waitUntil([&] { return windowText(app.control(field)) == texts.front(); },
              "selecting the first row did not copy its package name into the field");
    waitUntil([&] { return IsWindowEnabled(app.control(button)) != FALSE; },
              "the button stayed disabled with a package in the field");
    return texts.front();
}

std::wstring traceLogText(const RunningTandrel& app, Milliseconds limit) {
    const HWND log = app.control(Control::TraceLog);
    const auto limitMs = static_cast<UINT>(limit.count());
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(log, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, limitMs, &length)) {
        throw DriverError("the trace log did not answer WM_GETTEXTLENGTH");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(log, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, limitMs, &copied)) {
        throw DriverError("the trace log did not answer WM_GETTEXT");
    }
    text.resize(copied);
    return text;
}

std::wstring outputText(const tools::Lines& lines) {
    return collected(lines, true);
}

std::wstring errorText(const tools::Lines& lines) {
    return collected(lines, false);
}

std::wstring expectedJobLog(const std::wstring& logLine, const std::wstring& output,
                            const std::wstring& error) {
    std::wstring log = logLine;
    if (!output.empty()) {
        log += L"\r\nOutput:\r\n" + output;
    }
    if (!error.empty()) {
        log += L"\r\nError:\r\n" + error;
    }
    if (!log.ends_with(L"\r\n")) {
        log += L"\r\n";
    }
    if (!output.empty()) {
        log += L"Output:\r\n" + output + L"\r\n" + kNineUnderscores + L"\r\n";
    }
    if (!error.empty()) {
        log += L"Error:\r\n" + error + L"\r\n" + kNineUnderscores + L"\r\n";
    }
    return log + kSeparator + L"\r\n";
}

std::vector<int> grayedMenuItems(const RunningTandrel& app) {
    std::vector<int> grayed;
    for (const tools::MenuRecord& menu : readMenusWithProbe(app.process).menus) {
        for (const tools::MenuItemRecord& item : menu.items) {
            if (!item.separator && item.grayed) {
                grayed.push_back(item.id);
            }
        }
    }
    std::sort(grayed.begin(), grayed.end());
    return grayed;
}

std::vector<int> busyMenuItems() {
    return {MenuRefresh,  MenuPowerShellInstalled,   MenuSaveLog,       MenuAdditionalPackages, MenuToolList,
            MenuClearLog, MenuPowerShellProvisioned, MenuForceShutdown, MenuOnlySelected,       MenuQuit};
}

tools::Lines joined(std::initializer_list<tools::Lines> parts) {
    tools::Lines all;
    for (const tools::Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace tandrel::e2e
