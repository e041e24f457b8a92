#include "platform/win32/ui_win.h"

#include "platform/win32/icons_win.h"
#include "platform/win32/image_list_win.h"
#include "platform/win32/list_view_win.h"

namespace tandrel {
namespace {

// In the order of Win32Ui::rowIcons_.
constexpr std::array<int, 2> kRowIconIds{kRowIconPackage, kRowIconNoDisplayName};

std::optional<int> validImageIndex(int index) {
    return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

} // namespace

HIMAGELIST Win32Ui::smallImages(Control list) const {
    return list == Control::InstalledList ? installedImages_.get() : provisionedImages_.get();
}

void Win32Ui::loadRowIcons() {
    for (std::size_t slot = 0; slot < kRowIconIds.size(); ++slot) {
        rowIcons_.at(slot) = loadShell32Icon(kRowIconIds.at(slot));
        rowIconImages_.at(slot) =
            rowIcons_.at(slot) ? ImageList_AddIcon(provisionedImages_.get(), rowIcons_.at(slot).get()) : -1;
    }
}

std::optional<int> Win32Ui::rowIconImage(int rowIcon) const {
    for (std::size_t slot = 0; slot < kRowIconIds.size(); ++slot) {
        if (kRowIconIds.at(slot) == rowIcon) {
            return validImageIndex(rowIconImages_.at(slot));
        }
    }
    return std::nullopt;
}

void Win32Ui::clearList(Control list) {
    listClear(window(list));
    // Logos come anew with every fill; the provisioned list's row icons stay for the whole run.
    if (list == Control::InstalledList) {
        ImageList_Remove(installedImages_.get(), -1);
    }
}

void Win32Ui::addRow(Control list, int index, const std::wstring& rowText, const Image* icon) {
    const std::optional<int> image =
        icon ? validImageIndex(imageListAddImage(smallImages(list), *icon)) : std::nullopt;
    listInsertRow(window(list), index, rowText, image);
}

void Win32Ui::addRowWithRowIcon(Control list, int index, const std::wstring& rowText, int rowIcon) {
    listInsertRow(window(list), index, rowText, rowIconImage(rowIcon));
}

void Win32Ui::setCellText(Control list, int row, int column, const std::wstring& text) {
    listSetCellText(window(list), row, column, text);
}

Size Win32Ui::smallIconSize() {
    return systemSmallIconSize();
}

} // namespace tandrel
