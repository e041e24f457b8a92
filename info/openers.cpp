#include "info/openers.h"

#include "app/state.h"
#include "app/utf8.h"
#include "info/version_entry.h"
#include "inventory/registry_reading.h"
#include "platform/platform.h"

#include <algorithm>

namespace tandrel {
namespace {

constexpr unsigned kValueBufferBytes = 100000;
constexpr unsigned kCommandProcessorWaitMs = 1000;

std::wstring defaultValue(Registry& registry, const std::wstring& path) {
    KeyOwner key(registry, registry.open(RegistryRoot::ClassesRoot, path, kKeyQueryValue));
    if (!key) {
        return {};
    }
    return registry.queryString(*key, L"", kValueBufferBytes).value_or(L"");
}

std::wstring compilerName() {
#if defined(__clang__)
    return L"C++ mit Clang " + std::to_wstring(__clang_major__) + L"." + std::to_wstring(__clang_minor__) +
           L"." + std::to_wstring(__clang_patchlevel__);
#elif defined(__GNUC__)
    return L"C++ mit GCC " + std::to_wstring(__GNUC__) + L"." + std::to_wstring(__GNUC_MINOR__) + L"." +
           std::to_wstring(__GNUC_PATCHLEVEL__);
#elif defined(_MSC_VER)
    return L"C++ mit Microsoft Visual C++ " + std::to_wstring(_MSC_FULL_VER);
#else
    return L"C++";
#endif
}

// Elevated, the viewer must not inherit the administrator's token: a hidden command processor
// starts it through runas with a restricted trust level. The help file starts the processor
// before it looks up the viewer; the web pages look first.
void openWithReducedRights(AppState& state, Platform& p, const std::wstring& target,
                           const std::wstring& fileType, bool processorFirst) {
    if (!state.elevated) {
        p.shell.open(target);
        return;
    }
    std::wstring command;
    if (!processorFirst) {
        command = associationCommand(p.registry, fileType);
    }
    auto processor = p.processes.startHidden(L"\"" + state.systemDirectory + L"\\cmd.exe\"", L"");
    if (!processor) {
        return;
    }
    if (processorFirst) {
        command = associationCommand(p.registry, fileType);
    }
    processor->writeInput(launchLine(command, target));
    p.processes.sleep(kCommandProcessorWaitMs);
    processor->terminate();
}

std::wstring ownEntry(Platform& p, const wchar_t* key) {
    return readVersionEntry(p.versions, p.system.moduleFileName(), key);
}

} // namespace

std::wstring associationCommand(Registry& registry, const std::wstring& fileType) {
    const std::wstring fileClass = defaultValue(registry, fileType);
    return fileClass.empty() ? std::wstring() : defaultValue(registry, fileClass + L"\\Shell\\Open\\Command");
}

std::string launchLine(const std::wstring& command, const std::wstring& target) {
    std::wstring unquoted;
    std::copy_if(command.begin(), command.end(), std::back_inserter(unquoted),
                 [](wchar_t c) { return c != L'"'; });
    std::wstring resolved;
    for (std::size_t at = 0; at < unquoted.size(); ++at) {
        if (unquoted.compare(at, 2, L"%1") == 0) {
            resolved += target;
            ++at;
        } else {
            resolved += unquoted[at];
        }
    }
    // The association comes from HKEY_CLASSES_ROOT, which the user's own classes overlay without
    // elevation: a CR or LF in it would end the line early, and the elevated command processor
    // would run the rest as a command of its own.
    std::erase_if(resolved, [](wchar_t c) { return c < L' '; });
    return encodeUtf8(L"runas /trustlevel:0x20000 \"" + resolved + L"\"") + "\n";
}

std::wstring aboutText() {
    return L"\r\n\r\n\r\nProgrammiert 2017 in " + compilerName();
}

void openHomePage(AppState& state, Platform& p) {
    p.ui.beep(Beep::Ok);
    openWithReducedRights(state, p, ownEntry(p, L"Homepage"), L".html", false);
}

void openQuestionsPage(AppState& state, Platform& p) {
    p.ui.beep(Beep::Ok);
    openWithReducedRights(state, p, ownEntry(p, L"Questions"), L".html", false);
}

void openHelpFile(AppState& state, Platform& p) {
    p.ui.beep(Beep::Ok);
    openWithReducedRights(state, p, state.programFolder + L"TandrelHelp.chm", L".chm", true);
}

void showAbout(Platform& p) {
    p.ui.beep(Beep::Ok);
    p.ui.infoBox(L"\u00dcber das Programm", aboutText());
}

} // namespace tandrel
