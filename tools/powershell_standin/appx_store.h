#pragma once

#include "tools/powershell_standin/answers.h"

#include <string>
#include <vector>

// The packages as the Appx cmdlets see them, read from and removed from the registry keys that
// the program lists.

namespace tandrel::tools {

// Every package under a family of the repository, in the registry's order.
std::vector<InstalledPackage> installedPackages();
// Deletes the package's key under its family (and the family's key when it was the last one) and
// its key under Packages. False, with nothing changed, when no family holds it.
bool removeInstalledPackage(const std::wstring& fullName);

std::vector<ProvisionedPackage> provisionedPackages();
// Deletes the package's key in the all-user store; false when there is none.
bool removeProvisionedPackage(const std::wstring& packageName);

} // namespace tandrel::tools
