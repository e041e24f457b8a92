#pragma once

#include "tests/e2e/inventory_sample_data.h"
#include "tests/e2e/list_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The rows of the two lists in a form that tells the expected from the shown at a glance: the
// cells, and in words what the row's icon is.

namespace tandrel::e2e {

struct ShownRow {
    std::vector<std::wstring> cells;
    std::string icon;
    friend bool operator==(const ShownRow&, const ShownRow&) = default;
};

// Installed list: a row with a logo has an image of its own, a row without shows none.
std::vector<ShownRow> installedRows(const std::vector<InstalledPackage>& packages);
std::vector<ShownRow> shownInstalledRows(const std::vector<ListViewRow>& rows);
// Provisioned list: one of the two Shell32 icons.
std::vector<ShownRow> provisionedRows(const std::vector<ProvisionedPackage>& packages);
std::vector<ShownRow> shownProvisionedRows(const std::vector<ListViewRow>& rows);

// Success when both hold the same rows in the same order; else every row that differs.
::testing::AssertionResult sameRows(const std::vector<ShownRow>& shown,
                                    const std::vector<ShownRow>& expected);

} // namespace tandrel::e2e
