#include "app/window_content.h"
#include "platform/win32/menu_win.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tandrel {
namespace {

struct MnemonicCase {
    int popup;
    wchar_t typed;
    int position; // -1: no item has that letter
};

class Mnemonics : public testing::TestWithParam<MnemonicCase> {
protected:
    HWND window_ = CreateWindowExW(0, L"STATIC", L"menu host", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    MenuBar bar_;
    ~Mnemonics() override { DestroyWindow(window_); }
};

// Owner-drawn items get no keyboard access from Windows; the program answers WM_MENUCHAR itself.
TEST_P(Mnemonics, typedLetterRunsTheItemWithThatAmpersandLetter) {
    ASSERT_NE(window_, nullptr);
    bar_.create(window_, menuEntries());
    const HMENU popup = GetSubMenu(GetMenu(window_), GetParam().popup);
    ASSERT_NE(popup, nullptr);
    const LRESULT answer = bar_.menuChar(GetParam().typed, popup);
    if (GetParam().position < 0) {
        EXPECT_EQ(HIWORD(answer), MNC_IGNORE);
    } else {
        EXPECT_EQ(HIWORD(answer), MNC_EXECUTE);
        EXPECT_EQ(LOWORD(answer), GetParam().position);
    }
}

const MnemonicCase kMnemonics[] = {
    {0, L'a', 0}, {0, L'z', 2}, {0, L'Z', 2}, {0, L'k', 3},  {0, L'w', 4},  {0, L't', 6},
    {0, L'i', 7}, {0, L'p', 8}, {0, L'A', 0}, {0, L'l', 10}, {0, L'b', 12}, {0, L'q', -1},
    {1, L'h', 0}, {1, L'f', 1}, {1, L'B', 2}, {1, L'x', -1},
};

INSTANTIATE_TEST_SUITE_P(Letters, Mnemonics, testing::ValuesIn(kMnemonics));

TEST(MenuStrings, everyItemKeepsItsTextForScreenReaders) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"menu host", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    MenuBar bar;
    bar.create(window, menuEntries());
    for (const MenuEntry& e : menuEntries()) {
        if (e.kind == MenuEntryKind::Command || e.kind == MenuEntryKind::Check) {
            wchar_t text[200] = {};
            GetMenuStringW(GetMenu(window), static_cast<UINT>(e.id), text, 200, MF_BYCOMMAND);
            EXPECT_STREQ(text, e.text) << e.id;
        }
    }
    DestroyWindow(window);
}

} // namespace
} // namespace tandrel
