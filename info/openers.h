#pragma once

#include <string>

namespace tandrel {

class Registry;
struct AppState;
struct Platform;

// The command line the shell associates with a file type (".html", ".chm"); empty when any
// step of the lookup fails.
std::wstring associationCommand(Registry& registry, const std::wstring& fileType);
// The line the hidden command processor gets: runas with a trust level without administrator
// rights, the command without its double quotes and with the target for every "%1", and
// without control characters, which would end the line.
std::string launchLine(const std::wstring& command, const std::wstring& target);
std::wstring aboutText();

void openHomePage(AppState& state, Platform& platform);
void openQuestionsPage(AppState& state, Platform& platform);
void openHelpFile(AppState& state, Platform& platform);
void showAbout(Platform& platform);

} // namespace tandrel
