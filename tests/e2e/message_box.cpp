#include "tests/e2e/message_box.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"

namespace tandrel::e2e {
namespace {

// The static control that shows a message box's text.
constexpr int kMessageTextId = 0xFFFF;

} // namespace

std::vector<HWND> messageBoxes(DWORD processId) {
    std::vector<HWND> boxes = topLevelWindows(processId);
    std::erase_if(boxes,
                  [](HWND window) { return !IsWindowVisible(window) || windowClass(window) != L"#32770"; });
    return boxes;
}

MessageBoxView waitForMessageBox(DWORD processId, Milliseconds limit) {
    std::vector<HWND> boxes;
    waitUntil([&] { return !(boxes = messageBoxes(processId)).empty(); },
              "process " + std::to_string(processId) + " shows no message box", limit);
    const HWND box = boxes.front();
    const HWND text = GetDlgItem(box, kMessageTextId);
    return {box, windowText(box), text == nullptr ? std::wstring{} : windowText(text)};
}

void answerMessageBox(HWND box, int buttonId) {
    const HWND button = GetDlgItem(box, buttonId);
    if (button == nullptr) {
        throw DriverError("the message box has no button with the id " + std::to_string(buttonId));
    }
    clickButton(button);
}

} // namespace tandrel::e2e
