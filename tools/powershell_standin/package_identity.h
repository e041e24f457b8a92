#pragma once

#include <string>

namespace tandrel::tools {

// The fields Windows joins with "_" into a package full name:
// name_version_architecture_resourceid_publisherid. Missing fields stay empty.
struct PackageIdentity {
    std::wstring name;
    std::wstring version;
    std::wstring architecture;
    std::wstring resourceId;
    std::wstring publisherId;
};

PackageIdentity splitFullName(const std::wstring& fullName);
// name_publisherid: the key under Families that holds the package.
std::wstring familyName(const PackageIdentity& identity);
// As PowerShell shows the architecture: X64, X86, Neutral, Arm, Arm64.
std::wstring architectureShown(const std::wstring& architecture);

} // namespace tandrel::tools
