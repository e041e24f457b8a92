#pragma once

#include <string>

namespace tandrel {

// Up to and including the last "\" or "/"; empty when there is none.
std::wstring programFolderOf(const std::wstring& programFile);
// Appends "\" unless the text already ends in one.
std::wstring withBackslash(const std::wstring& folder);
std::wstring powerShellPathIn(const std::wstring& systemDirectory);
// Under WoW64 the 64-bit PowerShell is reached through Sysnative; upperCased is
// the path already upper-cased the way Windows does it.
std::wstring sysnativePath(const std::wstring& upperCased);
// The roaming folder as the shell gives it (possibly empty) to the work folder.
std::wstring workFolderIn(const std::wstring& roamingFolder);
std::wstring jobScriptPathIn(const std::wstring& workFolder);
std::wstring snapshotPathIn(const std::wstring& workFolder);
// Trailing spaces, "/" and "\" cut, as the folder is created.
std::wstring folderToCreate(const std::wstring& folder);

} // namespace tandrel
