#include "tests/e2e/list_view.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/remote_buffer.h"

#include <commctrl.h>

namespace tandrel::e2e {
namespace {

constexpr UINT kMessageLimitMs = 5000;

LRESULT send(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs, &result)) {
        throw DriverError("the list view did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

// An LVITEMW in the program with room for a text right behind it.
class RemoteItem {
public:
    RemoteItem(HANDLE process, size_t textCapacity)
        : capacity_(textCapacity), buffer_(process, sizeof(LVITEMW) + textCapacity * sizeof(wchar_t)) {}

    LVITEMW textRecord(int column) const {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buffer_.address()) + sizeof(LVITEMW));
        item.cchTextMax = static_cast<int>(capacity_);
        return item;
    }
    LPARAM send(const LVITEMW& item) const {
        buffer_.write(&item, sizeof item);
        return buffer_.asParameter();
    }
    LVITEMW item() const {
        LVITEMW item{};
        buffer_.read(&item, sizeof item);
        return item;
    }
    std::wstring text(size_t length) const {
        std::vector<char> bytes(sizeof(LVITEMW) + length * sizeof(wchar_t));
        buffer_.read(bytes.data(), bytes.size());
        return {reinterpret_cast<const wchar_t*>(bytes.data() + sizeof(LVITEMW)), length};
    }

private:
    size_t capacity_;
    RemoteBuffer buffer_;
};

std::wstring cellText(HANDLE process, HWND list, int row, int column) {
    // The list says only how much it copied: a full buffer may have cut the text; ask again with more.
    for (size_t capacity = 512;; capacity *= 4) {
        const RemoteItem remote(process, capacity);
        const auto copied = static_cast<size_t>(
            send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.send(remote.textRecord(column))));
        if (copied + 1 < capacity) {
            return remote.text(copied);
        }
    }
}

int itemImage(HANDLE process, HWND list, int row) {
    const RemoteItem remote(process, 0);
    LVITEMW request{};
    request.mask = LVIF_IMAGE;
    request.iItem = row;
    if (!send(list, LVM_GETITEMW, 0, remote.send(request))) {
        throw DriverError("the list view has no row " + std::to_string(row));
    }
    return remote.item().iImage;
}

} // namespace

int listRowCount(HWND list) {
    return static_cast<int>(send(list, LVM_GETITEMCOUNT, 0, 0));
}

int listColumnCount(HWND list) {
    const auto header = reinterpret_cast<HWND>(send(list, LVM_GETHEADER, 0, 0));
    if (header == nullptr) {
        throw DriverError("the list view has no header");
    }
    return static_cast<int>(send(header, HDM_GETITEMCOUNT, 0, 0));
}

std::vector<ListViewRow> listRows(HANDLE process, HWND list) {
    const int rows = listRowCount(list);
    const int columns = listColumnCount(list);
    std::vector<ListViewRow> result;
    for (int row = 0; row < rows; ++row) {
        ListViewRow& added = result.emplace_back();
        for (int column = 0; column < columns; ++column) {
            added.cells.push_back(cellText(process, list, row, column));
        }
        added.image = itemImage(process, list, row);
    }
    return result;
}

int listSelectedRow(HWND list) {
    return static_cast<int>(send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void selectListRow(HANDLE process, HWND list, int row) {
    const RemoteItem remote(process, 0);
    LVITEMW change{};
    change.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row >= 0) {
        // Off every other row first, so that `row` stays the only one selected.
        send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.send(change));
        change.state = LVIS_SELECTED | LVIS_FOCUSED;
    }
    if (!send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.send(change))) {
        throw DriverError("the list view did not change the selection of row " + std::to_string(row));
    }
}

} // namespace tandrel::e2e
