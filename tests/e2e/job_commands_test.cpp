#include "tests/common/case_name.h"
#include "tests/e2e/inventory_menu.h"
#include "tests/e2e/inventory_sample_data.h"
#include "tests/e2e/inventory_status.h"
#include "tests/e2e/job_message_box_icon.h"
#include "tests/e2e/job_registry_backup.h"
#include "tests/e2e/job_rig.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/test_environment.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_query.h"
#include "tools/common/utf8.h"
#include "tools/powershell_standin/registry_key.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tandrel::e2e {
namespace {

using test::PrintTo;

// Not installed: an install only has to reach PowerShell.
constexpr std::wstring_view kNewPackage = L"Contoso.Notizblock_2.1.0.0_x64__q4d96b2w5wcc2";
constexpr std::string_view kPackageTrailer =
    "Get-AppxLog | Format-List\r\nStart-Sleep -seconds 5\r\nExit\r\n";
constexpr std::string_view kListTrailer = "Start-Sleep -seconds 5\r\nExit\r\n";

void putIntoInstalledField(const RunningTandrel& app, std::wstring_view text) {
    putIntoField(app, Control::InstalledField, text, Control::InstallButton);
}

std::wstring installedAnswer(const std::wstring& package, bool forceShutdown) {
    return outputText(
        joined({tools::installLines(package, forceShutdown), tools::formatList(tools::appxLogRecords())}));
}

// --- Install, with and without the force-shutdown option ---------------------------------------

struct InstallCase {
    const char* name;
    bool forceShutdown;
    std::wstring_view commandEnd;
};

const InstallCase kInstallCases[] = {
    {"Plain", false, L"'"},
    {"ForceShutdown", true, L"' -ForceApplicationShutdown"},
};

class Install : public ::testing::TestWithParam<InstallCase> {};

TEST_P(Install, EndsTheJobCommandAsTheForceShutdownOptionSays) {
    const InstallCase& c = GetParam();
    const FileGrowth standIn(powerShellStandInLog());
    const JobTandrel tandrel;
    const RunningTandrel& app = tandrel.app();
    if (c.forceShutdown) {
        chooseMenuItem(app.mainWindow, MenuForceShutdown);
        ASSERT_TRUE(pollUntil([&] { return readMenuItem(app, MenuForceShutdown).checked; }));
    }
    const std::wstring package(kNewPackage);
    putIntoInstalledField(app, package);

    clickButton(app.control(Control::InstallButton));
    EXPECT_TRUE(statusBecomes(app, L"App " + package + L" wird installiert!"));
    ASSERT_TRUE(jobCompletes(app, L"Installation von " + package + L" ist abgeschlossen!"));

    const std::wstring command = L"Add-Appxpackage -Mainpackage '" + package + std::wstring(c.commandEnd);
    const std::string script = tools::toUtf8(command) + "\r\n" + std::string(kPackageTrailer);
    EXPECT_EQ(fileBytes(jobScriptPath()), script);
    EXPECT_EQ(standIn.appended(), expectedStandInEntry(script));
    EXPECT_EQ(traceLogText(app), expectedJobLog(command, installedAnswer(package, c.forceShutdown), L""));
    EXPECT_TRUE(messageBoxes(app.process.id()).empty()) << "an install asks nothing";
}

INSTANTIATE_TEST_SUITE_P(Options, Install, ::testing::ValuesIn(kInstallCases), test::CaseName());

// --- Remove provisioned ------------------------------------------------------------------------

constexpr int kLongNameColumn = 1;

std::vector<std::wstring> provisionedLongNames(const RunningTandrel& app) {
    return listColumn(app, Control::ProvisionedList, kLongNameColumn);
}

TEST(RemoveProvisioned, AsksWithAnExclamationAndTakesTheStoreEntryOutOfTheList) {
    const RegistryBackup store(HKEY_LOCAL_MACHINE, tools::kAllUserStoreKey);
    const FileGrowth standIn(powerShellStandInLog());
    const JobTandrel tandrel;
    const RunningTandrel& app = tandrel.app();
    const std::vector<std::wstring> before = provisionedLongNames(app);
    const std::wstring package = selectFirstRow(app, Control::ProvisionedList, kLongNameColumn,
                                                Control::ProvisionedField, Control::RemoveButton);

    clickButton(app.control(Control::RemoveButton));
    const MessageBoxView box = waitForMessageBox(app.process.id());
    EXPECT_EQ(box.title, kConfirmationTitle);
    EXPECT_EQ(box.text,
              L"Sie haben beschlossen, das Paket '" + package +
                  L"'  von den vorinstallierten Apps zu entfernen. Wollen Sie das wirklich tun? Auf diese "
                  L"Art entfernte Apps k\u00f6nnen nicht ohne weiterea wieder hinzugef\u00fcgt werden!");
    EXPECT_TRUE(pollUntil([&] { return messageBoxIcon(box.window) == BoxIcon::Exclamation; }))
        << "the box shows no exclamation mark";
    answerMessageBox(box.window, IDYES);

    EXPECT_TRUE(statusBecomes(app, L"Paket " + package + L" wird von den vorinstallierten Apps entfernt!"));
    ASSERT_TRUE(jobCompletes(app, L"Entfernung von " + package + L" ist abgeschlossen!"));

    const std::wstring command = L"Remove-AppxProvisionedPackage -Online -PackageName '" + package + L"'";
    const std::string script = tools::toUtf8(command) + "\r\n" + std::string(kPackageTrailer);
    EXPECT_EQ(fileBytes(jobScriptPath()), script);
    EXPECT_EQ(standIn.appended(), expectedStandInEntry(script));
    const std::wstring output = outputText(joined({tools::formatList({tools::provisionedRemovalRecord()}),
                                                   tools::formatList(tools::appxLogRecords())}));
    EXPECT_EQ(traceLogText(app), expectedJobLog(command, output, L""));

    std::vector<std::wstring> expected = before;
    std::erase(expected, package);
    EXPECT_EQ(provisionedLongNames(app), expected);
}

// --- The two PowerShell listings ---------------------------------------------------------------

tools::Lines installedListing() {
    std::vector<tools::ListRecord> records;
    for (const InstalledPackage& package : sampleData().installedAll) {
        records.push_back(tools::installedRecord({package.fullName, package.rootFolder}));
    }
    return tools::formatList(records);
}

tools::Lines provisionedListing() {
    std::vector<tools::ListRecord> records;
    for (const ProvisionedPackage& package : sampleData().provisionedAll) {
        records.push_back(tools::provisionedRecord({package.longName, package.manifestPath}));
    }
    return tools::formatList(records);
}

struct ListingCase {
    const char* name;
    int menuItem;
    std::wstring_view command;
    std::wstring_view startText;
    std::wstring_view completionMessage;
    tools::Lines (*listing)();
};

const ListingCase kListingCases[] = {
    {"Installed", MenuPowerShellInstalled, L"Get-AppxPackage -AllUsers | Format-List",
     L"Installierte Apps werden gelistet und ins Ablauflog geschrieben...",
     L"Das \u00fcbernehmen der installierten Apps ins Ablauflog ist abgeschlossen!", installedListing},
    {"Provisioned", MenuPowerShellProvisioned, L"Get-AppxProvisionedPackage -Online | Format-List",
     L"Provisioned Apps werden gelistet und ins Ablauflog geschrieben...",
     L"Das \u00fcbernehmen der Provisioned Apps ins Ablauflog ist abgeschlossen!", provisionedListing},
};

class PowerShellListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(PowerShellListing, LandsInTheLogUnderOutput) {
    const ListingCase& c = GetParam();
    const FileGrowth standIn(powerShellStandInLog());
    const JobTandrel tandrel;
    const RunningTandrel& app = tandrel.app();

    chooseMenuItem(app.mainWindow, c.menuItem);
    EXPECT_TRUE(statusBecomes(app, c.startText));
    ASSERT_TRUE(jobCompletes(app, std::wstring(c.completionMessage)));

    const std::string script = tools::toUtf8(c.command) + "\r\n" + std::string(kListTrailer);
    EXPECT_EQ(fileBytes(jobScriptPath()), script);
    EXPECT_EQ(standIn.appended(), expectedStandInEntry(script));
    // The command's line ends in a line break of its own: an empty line stands under it.
    EXPECT_EQ(traceLogText(app),
              expectedJobLog(std::wstring(c.command) + L"\r\n", outputText(c.listing()), L""));
}

INSTANTIATE_TEST_SUITE_P(Menus, PowerShellListing, ::testing::ValuesIn(kListingCases), test::CaseName());

// --- Package texts -----------------------------------------------------------------------------

// All five single quotes of PowerShell, one of them twice in a row.
constexpr std::wstring_view kQuotedPackage =
    L"Contoso.O'Brien\u2018s\u2019Tool\u201a\u201b''_1.0.0.0_x64__q4d96b2w5wcc2";
// Each doubled, so that PowerShell reads each as itself.
constexpr std::wstring_view kQuotedInScript =
    L"Contoso.O''Brien\u2018\u2018s\u2019\u2019Tool\u201a\u201a\u201b\u201b''''_1.0.0.0_x64__q4d96b2w5wcc2";

TEST(PackageText, WithSingleQuotesReachesPowerShellUnchanged) {
    const FileGrowth standIn(powerShellStandInLog());
    const JobTandrel tandrel;
    const RunningTandrel& app = tandrel.app();
    const std::wstring package(kQuotedPackage);
    putIntoInstalledField(app, package);

    clickButton(app.control(Control::InstallButton));
    ASSERT_TRUE(jobCompletes(app, L"Installation von " + package + L" ist abgeschlossen!"));

    const std::wstring command = L"Add-Appxpackage -Mainpackage '" + std::wstring(kQuotedInScript) + L"'";
    const std::string script = tools::toUtf8(command) + "\r\n" + std::string(kPackageTrailer);
    EXPECT_EQ(fileBytes(jobScriptPath()), script) << "UTF-8, the typographic quotes included";
    EXPECT_EQ(standIn.appended(), expectedStandInEntry(script));
    // The stand-in names the package it read in its answer.
    EXPECT_EQ(traceLogText(app), expectedJobLog(command, installedAnswer(package, false), L""));
}

struct ControlCharacterCase {
    const char* name;
    std::wstring_view text;
};

const ControlCharacterCase kControlCharacterCases[] = {
    {"CrLf", L"Contoso.Notizblock_2.1.0.0_x64__q4d96b2w5wcc2'\r\nRemove-AppxPackage -Package 'x"},
    {"LineFeed", L"Contoso.Notizblock\n_2.1.0.0_x64__q4d96b2w5wcc2"},
    {"CarriageReturn", L"Contoso.Notizblock\r_2.1.0.0_x64__q4d96b2w5wcc2"},
    {"Tab", L"Contoso.Notizblock\t_2.1.0.0_x64__q4d96b2w5wcc2"},
    {"LineSeparator", L"Contoso.Notizblock\u2028_2.1.0.0_x64__q4d96b2w5wcc2"},
};

// One program for all cases: a refused text changes nothing that the next case would see.
class ControlCharacters : public ::testing::TestWithParam<ControlCharacterCase> {
public:
    static void SetUpTestSuite() { tandrel_.emplace(); }
    static void TearDownTestSuite() { tandrel_.reset(); }

protected:
    inline static std::optional<JobTandrel> tandrel_;
};

TEST_P(ControlCharacters, AreRefusedBeforeAnythingIsAskedWrittenOrStarted) {
    ASSERT_TRUE(tandrel_.has_value());
    const RunningTandrel& app = tandrel_->app();
    const std::filesystem::path script = jobScriptPath();
    std::ofstream(script, std::ios::binary) << "Exit\r\n";
    const FileGrowth standIn(powerShellStandInLog());
    const HWND field = app.control(Control::InstalledField);
    const std::wstring text(GetParam().text);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                    SMTO_ABORTIFHUNG, 5000, &ignored));
    ASSERT_EQ(windowText(field), text) << "the field did not take the text as it is";
    ASSERT_TRUE(pollUntil([&] { return IsWindowEnabled(app.control(Control::UninstallButton)) != FALSE; }));

    clickButton(app.control(Control::UninstallButton));
    EXPECT_TRUE(statusBecomes(
        app, L"Der Paketname enth\u00e4lt Zeilenumbr\u00fcche oder Steuerzeichen und wird nicht verwendet!"));
    EXPECT_TRUE(messageBoxes(app.process.id()).empty()) << "a refused text is not asked about";
    EXPECT_TRUE(pollUntil([&] { return IsWindowEnabled(app.control(Control::UninstallButton)) != FALSE; }))
        << "the busy state was not left";
    EXPECT_EQ(traceLogText(app), L"");
    EXPECT_EQ(fileBytes(script), "Exit\r\n");
    EXPECT_TRUE(powerShellStaysUnstarted(standIn));
}

INSTANTIATE_TEST_SUITE_P(Texts, ControlCharacters, ::testing::ValuesIn(kControlCharacterCases),
                         test::CaseName());

// --- A job script that cannot be written -------------------------------------------------------

// A folder where the job script belongs: CreateFileW cannot make a file of it. Removed at the end.
class FolderInTheWay {
public:
    explicit FolderInTheWay(std::filesystem::path path) : path_(std::move(path)) {
        std::filesystem::remove(path_);
        std::filesystem::create_directories(path_);
    }
    FolderInTheWay(const FolderInTheWay&) = delete;
    FolderInTheWay& operator=(const FolderInTheWay&) = delete;
    ~FolderInTheWay() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    std::filesystem::path path_;
};

TEST(JobScript, ThatCannotBeWrittenIsReportedAndPowerShellIsNotStarted) {
    const FolderInTheWay folder(jobScriptPath());
    const FileGrowth standIn(powerShellStandInLog());
    const JobTandrel tandrel;
    const RunningTandrel& app = tandrel.app();
    const std::wstring package(kNewPackage);
    putIntoInstalledField(app, package);

    clickButton(app.control(Control::InstallButton));
    const std::wstring failure = L"Das Jobskript konnte nicht unter '" + jobScriptPath().wstring() +
                                 L"' geschrieben werden, PowerShell wurde nicht gestartet!";
    EXPECT_TRUE(statusBecomes(app, failure));
    EXPECT_TRUE(pollUntil([&] { return IsWindowEnabled(app.control(Control::InstallButton)) != FALSE; }))
        << "the busy state was not left";
    EXPECT_EQ(grayedMenuItems(app), std::vector<int>{});
    EXPECT_EQ(traceLogText(app), L"Add-Appxpackage -Mainpackage '" + package + L"'\r\n" + failure);
    EXPECT_TRUE(powerShellStaysUnstarted(standIn));
    EXPECT_EQ(app.statusText(), failure) << "no job completion came after";
}

} // namespace
} // namespace tandrel::e2e
