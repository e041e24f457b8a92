#include "tests/e2e/menu_probe_client.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/remote_buffer.h"
#include "tests/e2e/temp_folder.h"
#include "tests/e2e/test_environment.h"
#include "tools/common/utf8.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace tandrel::e2e {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// kernel32 lies at the same address in every 64-bit process of a session, on Windows and in
// Wine, so LoadLibraryW's address here is its address in the program too.
void loadInto(const ChildProcess& program, const std::filesystem::path& dll) {
    const std::wstring& path = dll.native();
    const size_t bytes = (path.size() + 1) * sizeof(wchar_t);
    const RemoteBuffer remotePath(program.handle(), bytes);
    remotePath.write(path.c_str(), bytes);
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    const tools::UniqueHandle thread(
        CreateRemoteThread(program.handle(), nullptr, 0, loadLibrary, remotePath.address(), 0, nullptr));
    if (!thread) {
        throw DriverError("CreateRemoteThread failed: error " + std::to_string(GetLastError()));
    }
    if (WaitForSingleObject(thread.get(), static_cast<DWORD>(kWaitLimit.count())) != WAIT_OBJECT_0) {
        throw DriverError("LoadLibraryW of the menu probe did not return in the program");
    }
    DWORD loaded = 0;
    GetExitCodeThread(thread.get(), &loaded);
    if (loaded == 0) {
        throw DriverError("the program could not load " + tools::toUtf8(path));
    }
}

// The probe unloads itself after its report. Loaded again by the same path before it has gone,
// LoadLibraryW would only count it up, it would not run again, and no report would come; a copy
// under a new name is always a new module.
std::filesystem::path freshProbeCopy() {
    static const TempFolder copies(L"Tandrel menu probe");
    static unsigned next = 0;
    std::filesystem::path copy = copies.path() / (L"menu_probe " + std::to_wstring(next++) + L".dll");
    std::filesystem::copy_file(menuProbePath(), copy);
    return copy;
}

} // namespace

tools::MenuReport readMenusWithProbe(const ChildProcess& program) {
    const std::filesystem::path probeDll = freshProbeCopy();
    const std::filesystem::path reportPath = tools::menuReportPath(probeDll, program.id());
    std::filesystem::remove(reportPath);
    loadInto(program, probeDll);
    std::optional<tools::MenuReport> report;
    waitUntil([&] { return (report = tools::parseMenuReport(readFile(reportPath))).has_value(); },
              "the menu probe wrote no report to " + tools::toUtf8(reportPath.wstring()));
    std::filesystem::remove(reportPath);
    if (!report->error.empty()) {
        throw DriverError("the menu probe failed: " + tools::toUtf8(report->error));
    }
    return *report;
}

} // namespace tandrel::e2e
