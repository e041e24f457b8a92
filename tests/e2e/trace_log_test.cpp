#include "tests/e2e/inventory_menu.h"
#include "tests/e2e/inventory_status.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/trace_log_view.h"
#include "tests/e2e/user_input.h"

namespace tandrel::e2e {
namespace {

constexpr std::wstring_view kToolListStatus =
    L"Die Tool-Lister der installierten App-Pakete wurde in die Ablaufverfolgung \u00fcbernommen!";
constexpr std::wstring_view kClearedStatus = L"Die Ablaufverfolgung wurde geleert!";

// One program for the suite; every case begins with an empty log.
class TraceLog : public SharedTandrelTest<> {
protected:
    void SetUp() override {
        SharedTandrelTest<>::SetUp();
        chooseMenuItem(app().mainWindow, MenuClearLog);
        ASSERT_TRUE(pollUntil([] { return traceLogText(app()).empty(); })) << "the log was not emptied";
    }

    static bool saveItemGrayed() { return readMenuItem(app(), MenuSaveLog).grayed; }

    // Chooses menu item 106 and waits until the log holds `expected`; the log as it is then.
    static std::wstring copyToolList(const std::wstring& expected) {
        chooseMenuItem(app().mainWindow, MenuToolList);
        std::wstring text;
        pollUntil([&] { return (text = traceLogText(app())) == expected; });
        return text;
    }
};

TEST_F(TraceLog, ToolListCommandWritesHeadingToolListAndUnderscores) {
    ASSERT_TRUE(saveItemGrayed()) << "item 104 is usable with an empty log";
    const std::wstring block = expectedToolListBlock();
    EXPECT_EQ(copyToolList(block), block);
    EXPECT_TRUE(statusBecomes(app(), kToolListStatus));
    EXPECT_TRUE(pollUntil([] { return !saveItemGrayed(); })) << "item 104 stays grayed with text in the log";
}

// The log ends in an empty line after the first block: the second lands below it, nothing is lost.
TEST_F(TraceLog, ToolListCommandAppendsBelowWhatIsThere) {
    const std::wstring block = expectedToolListBlock();
    ASSERT_EQ(copyToolList(block), block);
    EXPECT_EQ(copyToolList(block + block), block + block);
}

TEST_F(TraceLog, ClearEmptiesTheLogAndGraysSaving) {
    const std::wstring block = expectedToolListBlock();
    ASSERT_EQ(copyToolList(block), block);
    ASSERT_TRUE(pollUntil([] { return !saveItemGrayed(); })) << "item 104 stays grayed with text in the log";

    chooseMenuItem(app().mainWindow, MenuClearLog);
    EXPECT_TRUE(pollUntil([] { return traceLogText(app()).empty(); }))
        << "the log keeps " << traceLogText(app()).size() << " characters";
    EXPECT_TRUE(statusBecomes(app(), kClearedStatus));
    EXPECT_TRUE(pollUntil([] { return saveItemGrayed(); })) << "item 104 is usable with an empty log";
}

} // namespace
} // namespace tandrel::e2e
