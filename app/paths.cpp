#include "app/paths.h"

#include <algorithm>
#include <cwctype>

namespace tandrel {

std::wstring programFolderOf(const std::wstring& programFile) {
    const auto last = programFile.find_last_of(L"\\/");
    return last == std::wstring::npos ? std::wstring() : programFile.substr(0, last + 1);
}

std::wstring withBackslash(const std::wstring& folder) {
    return !folder.empty() && folder.back() == L'\\' ? folder : folder + L'\\';
}

std::wstring powerShellPathIn(const std::wstring& systemDirectory) {
    return systemDirectory + L"\\WindowsPowerShell\\V1.0\\Powershell.exe";
}

std::wstring sysnativePath(const std::wstring& upperCased) {
    static const std::wstring from = L"\\SYSTEM32\\";
    static const std::wstring to = L"\\Sysnative\\";
    std::wstring result;
    std::size_t start = 0;
    for (;;) {
        const auto hit = std::search(upperCased.begin() + static_cast<std::ptrdiff_t>(start),
                                     upperCased.end(), from.begin(), from.end(), [](wchar_t a, wchar_t b) {
                                         return std::towupper(static_cast<wint_t>(a)) ==
                                                std::towupper(static_cast<wint_t>(b));
                                     });
        const auto at = static_cast<std::size_t>(hit - upperCased.begin());
        result.append(upperCased, start, at - start);
        if (hit == upperCased.end()) {
            return result;
        }
        result += to;
        start = at + from.size();
    }
}

std::wstring workFolderIn(const std::wstring& roamingFolder) {
    return withBackslash(roamingFolder) + L"Tandrel";
}

std::wstring jobScriptPathIn(const std::wstring& workFolder) {
    return workFolder + L"\\Tandrel.ps1";
}

std::wstring snapshotPathIn(const std::wstring& workFolder) {
    return withBackslash(workFolder) + L"Tandrel1.txt";
}

std::wstring folderToCreate(const std::wstring& folder) {
    const auto keep = folder.find_last_not_of(L" /\\");
    return keep == std::wstring::npos ? std::wstring() : folder.substr(0, keep + 1);
}

} // namespace tandrel
