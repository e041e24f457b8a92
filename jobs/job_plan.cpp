#include "jobs/job_plan.h"

#include "app/utf8.h"

namespace tandrel {
namespace {

const std::wstring kAsk = L"Wollen Sie das wirklich tun?";
const std::vector<std::wstring> kPackageTrailer = {L"Get-AppxLog | Format-List", L"Start-Sleep -seconds 5",
                                                   L"Exit"};
const std::vector<std::wstring> kListTrailer = {L"Start-Sleep -seconds 5", L"Exit"};

bool isSingleQuote(wchar_t c) {
    return c == L'\'' || (c >= 0x2018 && c <= 0x201B);
}

std::wstring packageNameIn(const std::wstring& text) {
    return text.substr(0, text.find(L'_'));
}

} // namespace

std::wstring packageTextOf(const std::wstring& fieldText) {
    return fieldText.substr(0, kPackageTextLimit);
}

bool hasControlCharacter(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
            return true;
        }
    }
    return false;
}

std::wstring quotedForPowerShell(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 8);
    for (wchar_t c : text) {
        out += c;
        if (isSingleQuote(c)) {
            out += c;
        }
    }
    return out;
}

JobPlan planJob(JobKind kind, const std::wstring& v, bool forceShutdown) {
    const std::wstring q = quotedForPowerShell(v);
    const std::wstring force = forceShutdown ? L" -ForceApplicationShutdown" : L"";
    JobPlan plan;
    plan.fixedLines = kPackageTrailer;
    switch (kind) {
    case JobKind::Install:
        plan.startText = L"App " + v + L" wird installiert!";
        plan.jobCommand = L"Add-Appxpackage -Mainpackage '" + q + L"'" + force;
        plan.logLine = plan.jobCommand;
        plan.completionMessage = L"Installation von " + v + L" ist abgeschlossen!";
        break;
    case JobKind::Uninstall:
        plan.confirmation =
            Confirmation{L"Sie haben beschlossen, das Packet '" + v + L"' " + L" zu deinstallieren. " + kAsk};
        plan.startText = L"App " + v + L" wird entfernt!";
        plan.jobCommand = L"Remove-AppxPackage -Package '" + q + L"'";
        plan.logLine = L"Remove-Appxpackage -Package " + v;
        plan.completionMessage = L"Entfernung von " + v + L" ist abgeschlossen!";
        break;
    case JobKind::Repair: {
        const std::wstring n = packageNameIn(v);
        plan.confirmation = Confirmation{L"Sie haben beschlossen, die Installation von '" + n + L"' " +
                                         L" zu reparieren. " + kAsk};
        plan.startText = L"App " + n + L" wird repariert!";
        plan.jobCommand =
            L"Get-AppxPackage -name '" + quotedForPowerShell(n) +
            L"' -allusers | ForEach {Add-AppxPackage -register \"$($_.InstallLocation)\\appxmanifest.xml\" "
            L"-DisableDevelopmentMode" +
            force + L"}";
        plan.logLine = plan.jobCommand;
        plan.completionMessage = L"Reparatur von " + n + L" ist abgeschlossen!";
        break;
    }
    case JobKind::RemoveProvisioned:
        plan.confirmation =
            Confirmation{L"Sie haben beschlossen, das Paket '" + v + L"' " +
                             L" von den vorinstallierten Apps zu entfernen. " + kAsk + L" " +
                             L"Auf diese Art entfernte Apps k\u00f6nnen nicht ohne weiterea wieder "
                             L"hinzugef\u00fcgt werden!",
                         true};
        plan.startText = L"Paket " + v + L" wird von den vorinstallierten Apps entfernt!";
        plan.jobCommand = L"Remove-AppxProvisionedPackage -Online -PackageName '" + q + L"'";
        plan.logLine = plan.jobCommand;
        plan.completionMessage = L"Entfernung von " + v + L" ist abgeschlossen!";
        break;
    case JobKind::ListInstalled:
        plan.startText = L"Installierte Apps werden gelistet und ins Ablauflog geschrieben...";
        plan.jobCommand = L"Get-AppxPackage -AllUsers | Format-List";
        plan.logLine = plan.jobCommand + L"\r\n";
        plan.fixedLines = kListTrailer;
        plan.completionMessage =
            L"Das \u00fcbernehmen der installierten Apps ins Ablauflog ist abgeschlossen!";
        break;
    case JobKind::ListProvisioned:
        plan.startText = L"Provisioned Apps werden gelistet und ins Ablauflog geschrieben...";
        plan.jobCommand = L"Get-AppxProvisionedPackage -Online | Format-List";
        plan.logLine = plan.jobCommand + L"\r\n";
        plan.fixedLines = kListTrailer;
        plan.completionMessage = L"Das \u00fcbernehmen der Provisioned Apps ins Ablauflog ist abgeschlossen!";
        break;
    }
    return plan;
}

std::string jobScript(const JobPlan& plan) {
    std::wstring text = plan.jobCommand + L"\r\n";
    for (const auto& line : plan.fixedLines) {
        text += line + L"\r\n";
    }
    return encodeUtf8(text);
}

std::wstring powerShellCommandLine(const std::wstring& powerShellPath, const std::wstring& scriptPath) {
    const std::wstring program = !powerShellPath.empty() && powerShellPath.front() == L'"'
                                     ? powerShellPath
                                     : L"\"" + powerShellPath + L"\"";
    return program + L" -executionpolicy bypass -file \"" + scriptPath + L"\"";
}

} // namespace tandrel
