#include "jobs/job_plan.h"

#include "powershell_quoting.h"
#include "tests/common/case_name.h"

#include <gtest/gtest.h>

namespace tandrel::test {
namespace {

const std::wstring kV = L"Example.App_1.2.3.0_x64__pub123";
const std::wstring kRegister =
    L"' -allusers | ForEach {Add-AppxPackage -register \"$($_.InstallLocation)\\appxmanifest.xml\" "
    L"-DisableDevelopmentMode";

struct PlanCase {
    const char* name;
    JobKind kind;
    bool force;
    std::wstring jobCommand;
    std::wstring logLine;
    std::wstring startText;
    std::wstring completion;
    std::wstring confirmation; // empty: no box
    bool exclamation;
    std::size_t scriptLines;
};

class Plans : public testing::TestWithParam<PlanCase> {};

TEST_P(Plans, composeEveryTextOfTheCommand) {
    const auto& c = GetParam();
    const JobPlan plan = planJob(c.kind, kV, c.force);
    EXPECT_EQ(plan.jobCommand, c.jobCommand);
    EXPECT_EQ(plan.logLine, c.logLine);
    EXPECT_EQ(plan.startText, c.startText);
    EXPECT_EQ(plan.completionMessage, c.completion);
    ASSERT_EQ(plan.confirmation.has_value(), !c.confirmation.empty());
    if (plan.confirmation) {
        EXPECT_EQ(plan.confirmation->text, c.confirmation);
        EXPECT_EQ(plan.confirmation->exclamation, c.exclamation);
    }
    EXPECT_EQ(plan.fixedLines.size() + 1, c.scriptLines);
}

const std::wstring kAsk = L"Wollen Sie das wirklich tun?";

const PlanCase kPlans[] = {
    {"install", JobKind::Install, false, L"Add-Appxpackage -Mainpackage '" + kV + L"'",
     L"Add-Appxpackage -Mainpackage '" + kV + L"'", L"App " + kV + L" wird installiert!",
     L"Installation von " + kV + L" ist abgeschlossen!", L"", false, 4},
    {"installForced", JobKind::Install, true,
     L"Add-Appxpackage -Mainpackage '" + kV + L"' -ForceApplicationShutdown",
     L"Add-Appxpackage -Mainpackage '" + kV + L"' -ForceApplicationShutdown",
     L"App " + kV + L" wird installiert!", L"Installation von " + kV + L" ist abgeschlossen!", L"", false, 4},
    {"uninstall", JobKind::Uninstall, false, L"Remove-AppxPackage -Package '" + kV + L"'",
     L"Remove-Appxpackage -Package " + kV, L"App " + kV + L" wird entfernt!",
     L"Entfernung von " + kV + L" ist abgeschlossen!",
     L"Sie haben beschlossen, das Packet '" + kV + L"'  zu deinstallieren. " + kAsk, false, 4},
    {"uninstallIgnoresForce", JobKind::Uninstall, true, L"Remove-AppxPackage -Package '" + kV + L"'",
     L"Remove-Appxpackage -Package " + kV, L"App " + kV + L" wird entfernt!",
     L"Entfernung von " + kV + L" ist abgeschlossen!",
     L"Sie haben beschlossen, das Packet '" + kV + L"'  zu deinstallieren. " + kAsk, false, 4},
    {"repair", JobKind::Repair, false, L"Get-AppxPackage -name 'Example.App" + kRegister + L"}",
     L"Get-AppxPackage -name 'Example.App" + kRegister + L"}", L"App Example.App wird repariert!",
     L"Reparatur von Example.App ist abgeschlossen!",
     L"Sie haben beschlossen, die Installation von 'Example.App'  zu reparieren. " + kAsk, false, 4},
    {"repairForced", JobKind::Repair, true,
     L"Get-AppxPackage -name 'Example.App" + kRegister + L" -ForceApplicationShutdown}",
     L"Get-AppxPackage -name 'Example.App" + kRegister + L" -ForceApplicationShutdown}",
     L"App Example.App wird repariert!", L"Reparatur von Example.App ist abgeschlossen!",
     L"Sie haben beschlossen, die Installation von 'Example.App'  zu reparieren. " + kAsk, false, 4},
    {"removeProvisioned", JobKind::RemoveProvisioned, true,
     L"Remove-AppxProvisionedPackage -Online -PackageName '" + kV + L"'",
     L"Remove-AppxProvisionedPackage -Online -PackageName '" + kV + L"'",
     L"Paket " + kV + L" wird von den vorinstallierten Apps entfernt!",
     L"Entfernung von " + kV + L" ist abgeschlossen!",
     L"Sie haben beschlossen, das Paket '" + kV + L"'  von den vorinstallierten Apps zu entfernen. " + kAsk +
         L" Auf diese Art entfernte Apps k\u00f6nnen nicht ohne weiterea wieder hinzugef\u00fcgt werden!",
     true, 4},
    {"listInstalled", JobKind::ListInstalled, true, L"Get-AppxPackage -AllUsers | Format-List",
     L"Get-AppxPackage -AllUsers | Format-List\r\n",
     L"Installierte Apps werden gelistet und ins Ablauflog geschrieben...",
     L"Das \u00fcbernehmen der installierten Apps ins Ablauflog ist abgeschlossen!", L"", false, 3},
    {"listProvisioned", JobKind::ListProvisioned, false, L"Get-AppxProvisionedPackage -Online | Format-List",
     L"Get-AppxProvisionedPackage -Online | Format-List\r\n",
     L"Provisioned Apps werden gelistet und ins Ablauflog geschrieben...",
     L"Das \u00fcbernehmen der Provisioned Apps ins Ablauflog ist abgeschlossen!", L"", false, 3},
};

INSTANTIATE_TEST_SUITE_P(Commands, Plans, testing::ValuesIn(kPlans), CaseName());

TEST(JobScript, isUtf8WithCrLfAfterEveryLine) {
    EXPECT_EQ(jobScript(planJob(JobKind::Uninstall, L"Caf\u00e9_1_x64__p", false)),
              "Remove-AppxPackage -Package 'Caf\xC3\xA9_1_x64__p'\r\nGet-AppxLog | Format-List\r\n"
              "Start-Sleep -seconds 5\r\nExit\r\n");
    EXPECT_EQ(jobScript(planJob(JobKind::ListInstalled, L"", false)),
              "Get-AppxPackage -AllUsers | Format-List\r\nStart-Sleep -seconds 5\r\nExit\r\n");
}

TEST(RepairName, isTheTextUpToItsFirstUnderscore) {
    EXPECT_EQ(planJob(JobKind::Repair, L"Example.Calc_2.0.0.0_neutral_~_pub123", false).completionMessage,
              L"Reparatur von Example.Calc ist abgeschlossen!");
    EXPECT_EQ(planJob(JobKind::Repair, L"NoUnderscore", false).startText,
              L"App NoUnderscore wird repariert!");
    EXPECT_EQ(planJob(JobKind::Repair, L"_lead", false).jobCommand.substr(0, 25),
              L"Get-AppxPackage -name '' ");
}

TEST(PackageText, isCutTo65000Characters) {
    EXPECT_EQ(packageTextOf(std::wstring(70000, L'a')).size(), 65000u);
    EXPECT_EQ(packageTextOf(L"short"), L"short");
}

TEST(PackageText, controlCharactersAreRecognised) {
    const std::wstring bad[] = {L"a\nb",    L"a\rb",    L"\tx",     L"x\x7f",
                                L"x\u0085", L"x\u2028", L"x\u2029", std::wstring(1, L'\0')};
    for (const auto& text : bad) {
        EXPECT_TRUE(hasControlCharacter(text)) << text.size();
    }
    EXPECT_FALSE(hasControlCharacter(L"Microsoft.BingWeather_4.53_x64__8wekyb3d8bbwe"));
    EXPECT_FALSE(hasControlCharacter(L"\u00c4 ~ $ ' \u2019"));
}

// Whatever the package text holds, PowerShell reads it back as one string and nothing after it.
TEST(Quoting, everyKindOfSingleQuoteSurvivesAsItself) {
    const std::wstring texts[] = {L"it's",
                                  L"'",
                                  L"''",
                                  L"a\u2018b\u2019c\u201ad\u201be",
                                  L"x'; Remove-Item C:\\ -r; '",
                                  L"$(calc)",
                                  L"ends with '",
                                  L"Example.App_1.2.3.0_x64__pub123"};
    for (const auto& text : texts) {
        for (JobKind kind : {JobKind::Install, JobKind::Uninstall, JobKind::RemoveProvisioned}) {
            const std::wstring command = planJob(kind, text, false).jobCommand;
            std::size_t at = command.find_first_of(L"'\u2018\u2019\u201a\u201b");
            const auto value = readSingleQuoted(command, at);
            ASSERT_TRUE(value.has_value()) << command.size();
            EXPECT_EQ(*value, text);
            EXPECT_EQ(at, command.size()) << "text after the string";
        }
    }
    EXPECT_EQ(quotedForPowerShell(L"Example.App_1.2.3.0_x64__pub123"), L"Example.App_1.2.3.0_x64__pub123");
}

TEST(CommandLine, quotesProgramAndScript) {
    EXPECT_EQ(
        powerShellCommandLine(L"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe",
                              L"C:\\Users\\Test User\\AppData\\Roaming\\Tandrel\\Tandrel.ps1"),
        L"\"C:\\Windows\\system32\\WindowsPowerShell\\V1.0\\Powershell.exe\" -executionpolicy bypass -file "
        L"\"C:\\Users\\Test User\\AppData\\Roaming\\Tandrel\\Tandrel.ps1\"");
    EXPECT_EQ(powerShellCommandLine(L"\"C:\\p.exe\"", L"s.ps1"),
              L"\"C:\\p.exe\" -executionpolicy bypass -file \"s.ps1\"");
}

} // namespace
} // namespace tandrel::test
