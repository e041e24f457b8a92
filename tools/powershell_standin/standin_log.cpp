#include "tools/powershell_standin/standin_log.h"

#include "tools/common/module_path.h"
#include "tools/common/unique_handle.h"
#include "tools/common/utf8.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace tandrel::tools {

std::filesystem::path logBesideProgram(const wchar_t* name) {
    return modulePath(nullptr).replace_filename(name);
}

std::filesystem::path standInLogPath() {
    return logBesideProgram(L"powershell-standin.log");
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::wstring describeInvocation(const Invocation& invocation, const std::optional<std::string>& script) {
    std::wstring entry = L"command line: " + invocation.commandLine + L"\r\n";
    if (!invocation.scriptPath.empty()) {
        entry += L"script: " + invocation.scriptPath + L"\r\n";
        entry += fromUtf8(script.value_or(""));
        entry += L"\r\nend of script\r\n";
    }
    return entry;
}

void appendToLog(const std::filesystem::path& log, const std::wstring& entry) {
    const UniqueHandle file(CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    const std::string bytes = toUtf8(entry);
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace tandrel::tools
