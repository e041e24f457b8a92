#include "tests/e2e/inventory_rows.h"

#include "tools/common/utf8.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel::e2e {
namespace {

constexpr char kLogo[] = "a logo";
constexpr char kNoIcon[] = "no icon";

// The program puts the two row icons into the provisioned list's image list before any row:
// Shell32's icon 22 (a package with a display name) first, then icon 3.
struct RowIcon {
    int shell32Icon;
    int image;
};
constexpr RowIcon kRowIcons[] = {{22, 0}, {3, 1}};

std::string shell32IconName(int icon) {
    return "Shell32 icon " + std::to_string(icon);
}

std::string otherImage(int image) {
    return "image index " + std::to_string(image);
}

std::string installedIcon(int image) {
    if (image == I_IMAGENONE) {
        return kNoIcon;
    }
    return image >= 0 ? kLogo : otherImage(image);
}

std::string provisionedIcon(int image) {
    const auto* icon = std::find_if(std::begin(kRowIcons), std::end(kRowIcons),
                                    [image](const RowIcon& rowIcon) { return rowIcon.image == image; });
    return icon == std::end(kRowIcons) ? otherImage(image) : shell32IconName(icon->shell32Icon);
}

std::string describe(const ShownRow& row) {
    std::string text = row.icon;
    for (const std::wstring& cell : row.cells) {
        text.append(" [").append(tools::toUtf8(cell)).append("]");
    }
    return text;
}

} // namespace

std::vector<ShownRow> installedRows(const std::vector<InstalledPackage>& packages) {
    std::vector<ShownRow> rows;
    for (const InstalledPackage& p : packages) {
        rows.push_back({{p.displayName, p.packageName, p.fullName, p.rootFolder, p.family, p.manifestPath},
                        p.hasLogo ? kLogo : kNoIcon});
    }
    return rows;
}

std::vector<ShownRow> shownInstalledRows(const std::vector<ListViewRow>& rows) {
    std::vector<ShownRow> shown;
    for (const ListViewRow& row : rows) {
        shown.push_back({row.cells, installedIcon(row.image)});
    }
    return shown;
}

std::vector<ShownRow> provisionedRows(const std::vector<ProvisionedPackage>& packages) {
    std::vector<ShownRow> rows;
    for (const ProvisionedPackage& p : packages) {
        rows.push_back(
            {{p.displayName, p.longName, p.packageName, p.manifestPath}, shell32IconName(p.shell32Icon)});
    }
    return rows;
}

std::vector<ShownRow> shownProvisionedRows(const std::vector<ListViewRow>& rows) {
    std::vector<ShownRow> shown;
    for (const ListViewRow& row : rows) {
        shown.push_back({row.cells, provisionedIcon(row.image)});
    }
    return shown;
}

::testing::AssertionResult sameRows(const std::vector<ShownRow>& shown,
                                    const std::vector<ShownRow>& expected) {
    if (shown == expected) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure();
    failure << shown.size() << " rows shown, " << expected.size() << " expected";
    for (size_t i = 0; i < std::max(shown.size(), expected.size()); ++i) {
        const bool hasShown = i < shown.size();
        const bool hasExpected = i < expected.size();
        if (hasShown && hasExpected && shown[i] == expected[i]) {
            continue;
        }
        failure << "\n  row " << i << "\n    shown:    " << (hasShown ? describe(shown[i]) : "(none)")
                << "\n    expected: " << (hasExpected ? describe(expected[i]) : "(none)");
    }
    return failure;
}

} // namespace tandrel::e2e
