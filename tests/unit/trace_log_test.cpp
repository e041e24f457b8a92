#include "app/commands.h"
#include "app/state.h"
#include "log/log_commands.h"
#include "log/trace_log.h"

#include "fake_platform.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

struct TraceLog : testing::Test {
    FakePlatform fake;
    FakeUi& ui = fake.ui;
    AppState state;
    std::wstring& log = ui.texts[Control::TraceLog];

    TraceLog() { ui.createMenuBar(menuEntries()); }
    void menu(int id) { dispatchEvent(state, fake.platform, {EventKind::Menu, Control::StatusBar, id}); }
};

TEST_F(TraceLog, addLineStartsANewLineExceptInAnEmptyLog) {
    addLine(ui, L"A");
    addLine(ui, L"B");
    EXPECT_EQ(log, L"A\r\nB");
}

TEST_F(TraceLog, everyFormOfLineBreakBecomesOne) {
    EXPECT_EQ(normaliseLineBreaks(L"a\rb\nc\r\nd\n\re"), L"a\r\nb\r\nc\r\nd\r\n\r\ne");
    addLine(ui, L"x\ry\n");
    EXPECT_EQ(log, L"x\r\ny\r\n");
}

TEST_F(TraceLog, blockLandsOnTheEmptyLastLine) {
    addLine(ui, L"X\r\n");
    appendBlock(ui, L"Y\r\n");
    EXPECT_EQ(log, L"X\r\nY\r\n");
}

// A job whose PowerShell printed nothing leaves its logged command as the last line; the
// completion block must not overwrite it.
TEST_F(TraceLog, blockAfterAnUnfinishedLineStartsANewLineInsteadOfReplacingIt) {
    addLine(ui, L"Remove-Appxpackage -Package A");
    appendBlock(ui, L"Output:\r\n");
    EXPECT_EQ(log, L"Remove-Appxpackage -Package A\r\nOutput:\r\n");
}

TEST_F(TraceLog, toolListGoesBelowWhatIsThere) {
    log = L"earlier\r\n";
    state.toolList = L"Familienname der App:       F\r\n\r\n";
    menu(MenuToolList);
    EXPECT_EQ(
        log,
        L"earlier\r\nTool-Liste der installierten Apps:\r\n\r\nFamilienname der App:       F\r\n\r\n\r\n" +
            kSeparatorLine + L"\r\n");
    EXPECT_EQ(state.statusText,
              L"Die Tool-Lister der installierten App-Pakete wurde in die Ablaufverfolgung \u00fcbernommen!");
    EXPECT_TRUE(ui.menuEnabled[MenuSaveLog]);
    EXPECT_EQ(kSeparatorLine, std::wstring(68, L'_'));
}

TEST_F(TraceLog, toolListWhenEmptyStillAddsHeaderAndSeparator) {
    menu(MenuToolList);
    EXPECT_EQ(log, L"Tool-Liste der installierten Apps:\r\n\r\n\r\n" + kSeparatorLine + L"\r\n");
}

TEST_F(TraceLog, clearingGreysSaving) {
    log = L"something";
    menu(MenuClearLog);
    EXPECT_EQ(log, L"");
    EXPECT_EQ(state.statusText, L"Die Ablaufverfolgung wurde geleert!");
    EXPECT_FALSE(ui.menuEnabled[MenuSaveLog]);
    EXPECT_TRUE(ui.menuEnabled[MenuClearLog]);
}

TEST(LogName, isTandrelAndFourteenDigitsOfLocalTime) {
    EXPECT_EQ(defaultLogName({2017, 9, 23, 14, 15, 16}), L"Tandrel 20170923141516");
    EXPECT_EQ(defaultLogName({2026, 1, 2, 3, 4, 5}), L"Tandrel 20260102030405");
}

struct SaveCase {
    const char* name;
    const wchar_t* typed;
    int filterIndex;
    const wchar_t* written;
};

class SaveLog : public TraceLog, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveLog, appendsTheFilterExtensionAndWritesUtf8WithoutMark) {
    log = L"Gr\u00fc\u00dfe\r\nzweite Zeile";
    ui.saveAnswer = {GetParam().typed, GetParam().filterIndex};
    menu(MenuSaveLog);
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, L"Wo soll das LOG abgespeichert werden?");
    EXPECT_EQ(ui.saveDialogs[0].initialName, L"Tandrel 20170923141516");
    EXPECT_EQ(ui.saveDialogs[0].filter, L"Textdatei (*.txt)|*.txt|Logdatei (*.log)|*.log");
    EXPECT_EQ(fake.files.textOf(GetParam().written), "Gr\xC3\xBC\xC3\x9F"
                                                     "e\r\nzweite Zeile");
    EXPECT_EQ(state.statusText,
              L"Das Ablauflog wurde unter '" + std::wstring(GetParam().written) + L"' abgespeichert!");
    EXPECT_FALSE(state.busy);
}

const SaveCase kSaveCases[] = {
    {"textFilter", L"C:\\Logs\\Bericht", 0, L"C:\\Logs\\Bericht.txt"},
    {"typedExtensionKept", L"C:\\Logs\\Bericht.txt", 0, L"C:\\Logs\\Bericht.txt.txt"},
    {"logFilter", L"C:\\Logs\\Bericht.txt", 1, L"C:\\Logs\\Bericht.txt.log"},
};

INSTANTIATE_TEST_SUITE_P(Names, SaveLog, testing::ValuesIn(kSaveCases), CaseName());

TEST_F(TraceLog, cancellingSavesNothing) {
    log = L"x";
    ui.saveAnswer = {L"", 0};
    menu(MenuSaveLog);
    EXPECT_TRUE(fake.files.contents.empty());
    EXPECT_EQ(state.statusText, L"Das Abspeichern des Ablauflogs wurde abgebrochen!");
    EXPECT_FALSE(state.busy);
    EXPECT_TRUE(ui.menuEnabled[MenuRefresh]);
}

TEST_F(TraceLog, aWriteThatFailsIsReportedAsNotSaved) {
    log = L"x";
    ui.saveAnswer = {L"F:\\full\\Bericht", 0};
    fake.files.unwritable.insert(L"F:\\full\\Bericht.txt");
    menu(MenuSaveLog);
    EXPECT_EQ(state.statusText,
              L"Das Ablauflog konte nicht unter 'F:\\full\\Bericht.txt' abgespeichert werden!");
    EXPECT_EQ(log, L"x");
}

TEST_F(TraceLog, snapshotIsWrittenOnceWithItsFourLines) {
    state.snapshotPath = L"C:\\w\\Tandrel1.txt";
    state.toolList = L"Familienname der App:       \u00c4\r\n\r\n";
    writeSnapshotIfMissing(state, fake.platform);
    EXPECT_EQ(fake.files.textOf(state.snapshotPath),
              "Tool-Liste der installierten Apps:\r\n\r\nFamilienname der App:       \xC3\x84\r\n\r\n\r\n" +
                  std::string(68, '_') + "\r\n");

    state.toolList = L"changed";
    writeSnapshotIfMissing(state, fake.platform);
    EXPECT_EQ(fake.files.textOf(state.snapshotPath).find("changed"), std::string::npos);
}

TEST_F(TraceLog, snapshotLeavesAnythingAtItsPathAlone) {
    state.snapshotPath = L"C:\\w\\Tandrel1.txt";
    fake.files.present.insert(state.snapshotPath); // a folder of that name, say
    writeSnapshotIfMissing(state, fake.platform);
    EXPECT_EQ(fake.files.contents.count(state.snapshotPath), 0u);
}

} // namespace
} // namespace tandrel::test
