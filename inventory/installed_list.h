#pragma once

#include <string>

namespace tandrel {

// One package of the repository as the installed list and the tool list show it.
struct InstalledPackage {
    std::wstring displayName;
    std::wstring packageName;
    std::wstring fullName;
    std::wstring rootFolder;
    std::wstring familyName;
    std::wstring manifestPath;
};

// The package's block of the tool list, each line ending in CR LF, closed by an empty line.
std::wstring toolListBlock(const InstalledPackage& package);
// The package name: the full name up to its first "_".
std::wstring packageNameOf(const std::wstring& fullName);

} // namespace tandrel
