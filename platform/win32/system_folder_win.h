#pragma once

#include "platform/win32/handles_win.h"

#include <string>

namespace tandrel {

// The system folder, without a trailing backslash; empty when Windows does not say.
std::wstring systemDirectoryPath();
// A file in the system folder.
std::wstring systemFilePath(const wchar_t* fileName);
// The program runs elevated and is started from download folders, where a planted DLL of the same
// name would be found first: system DLLs are always loaded by their full path.
ModuleOwner loadSystemLibrary(const wchar_t* fileName);

// A function of a loaded module, looked up by name; null when the module does not export it.
template <typename Function> Function procAddress(HMODULE module, const char* name) {
    // Through void(*)(), the one function pointer type every other may be cast from without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace tandrel
