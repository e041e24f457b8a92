#include "tests/common/case_name.h"
#include "tests/e2e/job_registry_backup.h"
#include "tests/e2e/job_rig.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/shared_tandrel.h"
#include "tests/e2e/user_input.h"
#include "tools/common/utf8.h"

#include <gtest/gtest.h>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

// The version entries "Homepage" and "Questions" of Tandrel64.exe.
constexpr std::wstring_view kHomePage = L"https://www.korbin-pc-forum.example/";
constexpr std::wstring_view kQuestionsPage = L"https://www.korbin-pc-forum.example/thread/tandrel";

std::wstring helpFile() {
    return tandrel64Path().parent_path().wstring() + L"\\TandrelHelp.chm";
}

// The associated command "<viewer>" -single "%1" without its double quotes, for `target`.
std::wstring viewerCommand(const std::wstring& target) {
    return viewerStandInPath().wstring() + L" -single " + target;
}

// The launch line as the runas stand-in logs it: cmd.exe hands it over as its command line.
std::string runasEntry(const std::wstring& command) {
    return tools::toUtf8(L"runas /trustlevel:0x20000 \"" + command + L"\"\r\n");
}

struct OpenerCase {
    const char* name;
    void (*open)(const RunningTandrel& app);
    std::wstring (*target)();
};

void clickForumLink(const RunningTandrel& app) {
    // The link acts when the mouse button is let go over it.
    PostMessageW(app.control(Control::ForumLink), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

const OpenerCase kOpeners[] = {
    {"ForumLink", clickForumLink, [] { return std::wstring(kHomePage); }},
    {"HelpFile", [](const RunningTandrel& app) { chooseMenuItem(app.mainWindow, MenuHelpFile); }, helpFile},
    {"Questions", [](const RunningTandrel& app) { chooseMenuItem(app.mainWindow, MenuQuestions); },
     [] { return std::wstring(kQuestionsPage); }},
};

// Wine gives every process an administrator's token, so the program takes the road through a
// hidden cmd.exe and runas; the runas stand-in starts the viewer stand-in with the command.
class Opener : public SharedTandrelTest<::testing::TestWithParam<OpenerCase>> {};

TEST_P(Opener, HandsTheViewerCommandToRunasWithReducedRights) {
    const OpenerCase& c = GetParam();
    const FileGrowth runas(runasStandInLog());
    const FileGrowth viewer(viewerStandInLog());
    c.open(app());
    const std::string expectedRunas = runasEntry(viewerCommand(c.target()));
    EXPECT_TRUE(pollUntil([&] { return runas.appended() == expectedRunas; })) << runas.appended();
    // The viewer logs its arguments, each blank a separator.
    const std::string expectedViewer = tools::toUtf8(L"-single " + c.target() + L"\r\n");
    EXPECT_TRUE(pollUntil([&] { return viewer.appended() == expectedViewer; })) << viewer.appended();
    EXPECT_EQ(app().statusText(), kReadyStatus);
}

INSTANTIATE_TEST_SUITE_P(Targets, Opener, ::testing::ValuesIn(kOpeners), test::CaseName());

using OddAssociation = SharedTandrelTest<>;

TEST_F(OddAssociation, ThatIsMissingGivesRunasAnEmptyCommand) {
    const RegistryBackup chm(HKEY_CLASSES_ROOT, L".chm");
    ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, L".chm"), ERROR_SUCCESS);
    const FileGrowth runas(runasStandInLog());
    const FileGrowth viewer(viewerStandInLog());
    chooseMenuItem(app().mainWindow, MenuHelpFile);
    const std::string expected = runasEntry(L"");
    EXPECT_TRUE(pollUntil([&] { return runas.appended() == expected; })) << runas.appended();
    EXPECT_FALSE(pollUntil([&] { return !viewer.appended().empty(); }, Milliseconds(2000)))
        << "a viewer was started: " << viewer.appended();
}

// HKEY_CLASSES_ROOT takes the user's own classes without elevation; a line break in a command
// there must not hand the elevated command processor a second line to run.
TEST_F(OddAssociation, WithALineBreakStaysOneLaunchLine) {
    const std::wstring key = L"TandrelViewer.html\\Shell\\Open\\Command";
    const RegistryBackup command(HKEY_CLASSES_ROOT, key);
    const std::wstring planted =
        L"\"" + viewerStandInPath().wstring() + L"\" -single \"%1\"\r\nrunas /planted";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, planted.c_str(),
                              static_cast<DWORD>((planted.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    const FileGrowth runas(runasStandInLog());
    clickForumLink(app());
    const std::string expected = runasEntry(viewerCommand(std::wstring(kHomePage)) + L"runas /planted");
    EXPECT_TRUE(pollUntil([&] { return runas.appended() == expected; })) << runas.appended();
    EXPECT_FALSE(pollUntil([&] { return runas.appended() != expected; }, Milliseconds(2000)))
        << "a second command ran: " << runas.appended();
}

using AboutBox = SharedTandrelTest<>;

TEST_F(AboutBox, ShowsThreeLinesAndClosesWithOk) {
    chooseMenuItem(app().mainWindow, MenuAbout);
    const MessageBoxView box = waitForMessageBox(app().process.id());
    EXPECT_EQ(box.title, L"\u00dcber das Programm");
    // Two empty lines, an empty line more, then the line that names the compiler.
    const std::wstring_view lead = L"\r\n\r\n\r\nProgrammiert 2017 in C++ mit ";
    EXPECT_TRUE(box.text.starts_with(lead)) << tools::toUtf8(box.text);
    const std::wstring compiler = box.text.substr(std::min(lead.size(), box.text.size()));
    EXPECT_FALSE(compiler.empty());
    EXPECT_EQ(compiler.find_first_of(L"\r\n"), std::wstring::npos) << tools::toUtf8(compiler);
    EXPECT_FALSE(IsWindowEnabled(app().mainWindow)) << "the box is modal";

    answerMessageBox(box.window, IDOK);
    EXPECT_TRUE(pollUntil([&] { return messageBoxes(app().process.id()).empty(); }));
    EXPECT_TRUE(pollUntil([&] { return IsWindowEnabled(app().mainWindow) != FALSE; }));
    EXPECT_EQ(app().statusText(), kReadyStatus);
}

} // namespace
} // namespace tandrel::e2e
