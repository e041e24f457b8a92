#include "app/commands.h"
#include "app/state.h"
#include "info/openers.h"

#include "fake_platform.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

struct LaunchCase {
    const char* name;
    const wchar_t* command;
    const wchar_t* target;
    const char* line;
};

class LaunchLine : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchLine, dropsQuotesThenPutsInTheTarget) {
    EXPECT_EQ(launchLine(GetParam().command, GetParam().target), GetParam().line);
}

const LaunchCase kLaunchCases[] = {
    {"quotedViewerWithOption", L"\"C:\\Program Files\\Viewer\\view.exe\" -single \"%1\"",
     L"C:\\Tools dir\\TandrelHelp.chm",
     "runas /trustlevel:0x20000 \"C:\\Program Files\\Viewer\\view.exe -single C:\\Tools "
     "dir\\TandrelHelp.chm\"\n"},
    {"targetTwice", L"v.exe %1 --also %1", L"https://x.example/",
     "runas /trustlevel:0x20000 \"v.exe https://x.example/ --also https://x.example/\"\n"},
    {"noPlaceholder", L"\"C:\\v.exe\"", L"https://x.example/", "runas /trustlevel:0x20000 \"C:\\v.exe\"\n"},
    {"noAssociation", L"", L"https://x.example/", "runas /trustlevel:0x20000 \"\"\n"},
    {"targetWithQuoteStays", L"v %1", L"a\"b", "runas /trustlevel:0x20000 \"v a\"b\"\n"},
    {"nonAscii", L"v %1", L"C:\\\u00dcbung\\x.chm",
     "runas /trustlevel:0x20000 \"v C:\\\xC3\x9C"
     "bung\\x.chm\"\n"},
};

INSTANTIATE_TEST_SUITE_P(Commands, LaunchLine, testing::ValuesIn(kLaunchCases), CaseName());

struct Openers : testing::Test {
    FakePlatform fake;
    AppState state;
    Openers() {
        state.elevated = true;
        state.systemDirectory = L"C:\\Windows\\system32";
        state.programFolder = L"C:\\Tools\\";
        fake.versions.setString(L"040704b0", L"Homepage", L"https://www.korbin-pc-forum.example/");
        fake.versions.setString(L"040704b0", L"Questions",
                                L"https://www.korbin-pc-forum.example/thread/tandrel");
        auto& r = fake.registry;
        r.key(RegistryRoot::ClassesRoot, L".html").values[L""] = L"ViewerHTML";
        r.key(RegistryRoot::ClassesRoot, L"ViewerHTML\\Shell\\Open\\Command").values[L""] =
            L"\"C:\\v.exe\" \"%1\"";
        r.key(RegistryRoot::ClassesRoot, L".chm").values[L""] = L"chm.file";
        r.key(RegistryRoot::ClassesRoot, L"chm.file\\Shell\\Open\\Command").values[L""] = L"hh.exe %1";
    }
    void run(EventKind kind, int menuId, Control control = Control::StatusBar) {
        dispatchEvent(state, fake.platform, {kind, control, menuId});
    }
};

TEST_F(Openers, associationLooksUpClassThenCommandAndClosesEveryKey) {
    EXPECT_EQ(associationCommand(fake.registry, L".html"), L"\"C:\\v.exe\" \"%1\"");
    EXPECT_EQ(associationCommand(fake.registry, L".pdf"), L"");
    fake.registry.key(RegistryRoot::ClassesRoot, L".txt").values[L""] = L"NoSuchClass";
    EXPECT_EQ(associationCommand(fake.registry, L".txt"), L"");
    EXPECT_EQ(fake.registry.openKeys(), 0u);
}

TEST_F(Openers, elevatedTheForumLinkGoesThroughRunasInAHiddenCommandProcessor) {
    run(EventKind::Control, 0, Control::ForumLink);
    EXPECT_EQ(fake.ui.calls.front(), "beep ok");
    EXPECT_EQ(fake.processes.commandLines, std::vector<std::wstring>{L"\"C:\\Windows\\system32\\cmd.exe\""});
    EXPECT_EQ(fake.processes.directories, std::vector<std::wstring>{L""});
    ASSERT_EQ(fake.processes.finished.size(), 1u);
    EXPECT_EQ(fake.processes.finished[0].input,
              "runas /trustlevel:0x20000 \"C:\\v.exe https://www.korbin-pc-forum.example/\"\n");
    EXPECT_TRUE(fake.processes.finished[0].terminated);
    EXPECT_EQ(fake.processes.sleeps, std::vector<unsigned>{1000});
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(fake.registry.openKeys(), 0u);
}

TEST_F(Openers, questionsAndHelpFileOpenTheirOwnTargets) {
    run(EventKind::Menu, MenuQuestions);
    run(EventKind::Menu, MenuHelpFile);
    ASSERT_EQ(fake.processes.finished.size(), 2u);
    EXPECT_EQ(fake.processes.finished[0].input,
              "runas /trustlevel:0x20000 \"C:\\v.exe https://www.korbin-pc-forum.example/thread/tandrel\"\n");
    EXPECT_EQ(fake.processes.finished[1].input,
              "runas /trustlevel:0x20000 \"hh.exe C:\\Tools\\TandrelHelp.chm\"\n");
}

// The help file starts the processor first; the web pages look up their viewer first.
TEST_F(Openers, whenTheProcessorCannotStartOnlyTheWebPagesHaveReadTheRegistry) {
    fake.processes.failStart = true;
    run(EventKind::Menu, MenuHelpFile);
    EXPECT_TRUE(fake.registry.accessMasks.empty());
    run(EventKind::Menu, MenuQuestions);
    EXPECT_FALSE(fake.registry.accessMasks.empty());
    EXPECT_TRUE(fake.processes.sleeps.empty());
}

TEST_F(Openers, withoutAssociationTheLaunchLineHasAnEmptyCommand) {
    fake.registry.key(RegistryRoot::ClassesRoot, L".chm").refuseOpen = true;
    run(EventKind::Menu, MenuHelpFile);
    ASSERT_EQ(fake.processes.finished.size(), 1u);
    EXPECT_EQ(fake.processes.finished[0].input, "runas /trustlevel:0x20000 \"\"\n");
}

TEST_F(Openers, notElevatedTheShellOpensTheTargetDirectly) {
    state.elevated = false;
    run(EventKind::Menu, MenuHelpFile);
    run(EventKind::Control, 0, Control::ForumLink);
    EXPECT_TRUE(fake.processes.commandLines.empty());
    EXPECT_TRUE(fake.registry.accessMasks.empty());
    const std::vector<std::string> opened(fake.ui.calls.end() - 3, fake.ui.calls.end());
    EXPECT_EQ(opened, (std::vector<std::string>{"open C:\\Tools\\TandrelHelp.chm", "beep ok",
                                                "open https://www.korbin-pc-forum.example/"}));
}

TEST_F(Openers, aboutShowsThreeLinesWithTheCompiler) {
    run(EventKind::Menu, MenuAbout);
    ASSERT_EQ(fake.ui.infoBoxes.size(), 1u);
    EXPECT_EQ(fake.ui.infoBoxes[0].first, L"\u00dcber das Programm");
    const std::wstring& text = fake.ui.infoBoxes[0].second;
    EXPECT_EQ(text.rfind(L"\r\n\r\n\r\nProgrammiert 2017 in C++ mit ", 0), 0u);
    EXPECT_NE(text.find_first_of(L"0123456789"), std::wstring::npos);
    EXPECT_EQ(fake.ui.calls.front(), "beep ok");
}

} // namespace
} // namespace tandrel::test
