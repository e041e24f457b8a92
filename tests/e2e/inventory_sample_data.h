#pragma once

#include <string>
#include <vector>

// What the sample data imported into the test prefix should make the program show: the rows of
// the JSON summary that tools/sample_data writes beside its .reg file, found through the
// environment variable TANDREL_SAMPLE_DATA.

namespace tandrel::e2e {

struct InstalledPackage {
    std::wstring displayName;
    std::wstring packageName;
    std::wstring fullName;
    std::wstring rootFolder;
    std::wstring family;
    std::wstring manifestPath;
    bool hasLogo = false;
    bool selected = false; // its package name is one of the program's selected apps
};

struct ProvisionedPackage {
    std::wstring displayName;
    std::wstring longName;
    std::wstring packageName;
    std::wstring manifestPath;
    int shell32Icon = 0; // the icon resource of Shell32 the row shows
    bool selected = false;
};

struct SampleData {
    // In list order: the rows at start-up, and every package the program enumerates.
    std::vector<InstalledPackage> installedDefault;
    std::vector<InstalledPackage> installedAll;
    std::vector<ProvisionedPackage> provisionedDefault;
    std::vector<ProvisionedPackage> provisionedAll;
};

// Read once; throws DriverError when the variable is not set or the file is not as expected.
const SampleData& sampleData();

// The tool list the program builds from `packages` (every package it enumerates, in order): one
// block per package, the last three lines only for a package with a root folder.
std::wstring expectedToolList(const std::vector<InstalledPackage>& packages);

} // namespace tandrel::e2e
