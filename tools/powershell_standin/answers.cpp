#include "tools/powershell_standin/answers.h"

#include "tools/powershell_standin/package_identity.h"

#include <algorithm>

namespace tandrel::tools {
namespace {

std::wstring trimmedRight(std::wstring text) {
    text.erase(text.find_last_not_of(L' ') + 1);
    return text;
}

std::wstring numbered(std::size_t number, std::size_t width) {
    std::wstring digits = std::to_wstring(number);
    return std::wstring(width > digits.size() ? width - digits.size() : 0, L'0') + digits;
}

struct ErrorKind {
    std::wstring category; // CategoryInfo's first word
    std::wstring target;   // what the error is about, shown as (target:String)
    std::wstring id;       // FullyQualifiedErrorId
};

Lines errorRecord(const std::wstring& command, const std::wstring& message, const ErrorKind& kind,
                  const ErrorSite& site) {
    return {
        command + L" : " + message,
        L"In " + site.scriptPath + L":" + std::to_wstring(site.lineNumber) + L" Zeichen:1",
        L"+ " + site.lineText,
        L"+ " + std::wstring(std::max<std::size_t>(site.lineText.size(), 1), L'~'),
        L"    + CategoryInfo          : " + kind.category + L": (" + kind.target + L":String) [" + command +
            L"], Exception",
        L"    + FullyQualifiedErrorId : " + kind.id,
    };
}

} // namespace

Lines formatList(const std::vector<ListRecord>& records) {
    Lines lines{L""};
    for (const ListRecord& record : records) {
        std::size_t width = 0;
        for (const ListField& field : record) {
            width = std::max(width, field.label.size());
        }
        for (const ListField& field : record) {
            lines.push_back(trimmedRight(field.label + std::wstring(width - field.label.size(), L' ') +
                                         L" : " + field.value));
        }
        lines.emplace_back();
    }
    lines.emplace_back();
    return lines;
}

ListRecord installedRecord(const InstalledPackage& package) {
    const PackageIdentity identity = splitFullName(package.fullName);
    return {
        {L"Name", identity.name},
        {L"Architecture", architectureShown(identity.architecture)},
        {L"ResourceId", identity.resourceId},
        {L"Version", identity.version},
        {L"PackageFullName", package.fullName},
        {L"InstallLocation", package.installLocation},
        {L"PackageFamilyName", familyName(identity)},
        {L"PublisherId", identity.publisherId},
    };
}

ListRecord provisionedRecord(const ProvisionedPackage& package) {
    const PackageIdentity identity = splitFullName(package.packageName);
    return {
        {L"Version", identity.version},
        {L"Architecture", identity.architecture},
        {L"ResourceId", identity.resourceId},
        {L"PackageName", package.packageName},
        {L"Regions", L""},
        {L"DisplayName", identity.name},
        {L"PublisherId", identity.publisherId},
        {L"InstallLocation", package.manifestPath},
    };
}

std::vector<ListRecord> appxLogRecords() {
    return {
        {{L"Time", L"14.03.2017 09:26:51"},
         {L"ID", L"603"},
         {L"Message", L"Der Bereitstellungsvorgang wurde gestartet."}},
        {{L"Time", L"14.03.2017 09:26:53"},
         {L"ID", L"854"},
         {L"Message", L"Der Bereitstellungsvorgang wurde erfolgreich abgeschlossen."}},
    };
}

ListRecord provisionedRemovalRecord() {
    return {{L"Path", L""}, {L"Online", L"True"}, {L"RestartNeeded", L"False"}};
}

Lines removalLines(const std::wstring& fullName) {
    return {L"Bereitstellungsvorgang: Entfernen von " + fullName,
            L"Bereitstellungsvorgang abgeschlossen: " + fullName + L" wurde entfernt."};
}

Lines installLines(const std::wstring& mainPackage, bool forceShutdown) {
    Lines lines{L"Bereitstellungsvorgang: Hinzufügen von " + mainPackage};
    if (forceShutdown) {
        lines.push_back(L"Apps, die " + mainPackage + L" verwenden, werden beendet.");
    }
    lines.push_back(L"Bereitstellungsvorgang abgeschlossen: " + mainPackage + L" wurde hinzugefügt.");
    return lines;
}

Lines registrationLines(const std::wstring& manifestPath, bool forceShutdown) {
    Lines lines{L"Bereitstellungsvorgang: Registrieren von " + manifestPath + L" (Entwicklungsmodus aus)"};
    if (forceShutdown) {
        lines.push_back(L"Apps, die das Paket verwenden, werden beendet.");
    }
    lines.push_back(L"Bereitstellungsvorgang abgeschlossen: " + manifestPath + L" wurde registriert.");
    return lines;
}

Lines packageNotInstalledError(const std::wstring& fullName, const ErrorSite& site) {
    return errorRecord(
        L"Remove-AppxPackage",
        L"Fehler bei der Bereitstellung mit HRESULT 0x80073CF1: Das Paket \"" + fullName +
            L"\" ist nicht installiert.",
        {L"ObjectNotFound", fullName,
         L"DeploymentError,Microsoft.Windows.Appx.PackageManager.Commands.RemoveAppxPackageCommand"},
        site);
}

Lines provisionedPackageNotFoundError(const std::wstring& packageName, const ErrorSite& site) {
    return errorRecord(
        L"Remove-AppxProvisionedPackage",
        L"Das vorinstallierte Paket \"" + packageName + L"\" wurde nicht gefunden.",
        {L"ObjectNotFound", packageName, L"Microsoft.Dism.Commands.RemoveAppxProvisionedPackageCommand"},
        site);
}

Lines unknownCommandError(const std::wstring& command, const ErrorSite& site) {
    return errorRecord(command,
                       L"Die Benennung \"" + command +
                           L"\" wurde nicht als Name eines Cmdlet, einer Funktion, einer Skriptdatei oder "
                           L"eines ausführbaren Programms erkannt.",
                       {L"ObjectNotFound", command, L"CommandNotFoundException"}, site);
}

Lines missingArgumentError(const std::wstring& command, const std::wstring& parameter,
                           const ErrorSite& site) {
    return errorRecord(command, L"Es fehlt ein Argument für den Parameter \"" + parameter + L"\".",
                       {L"InvalidArgument", parameter, L"MissingArgument," + command}, site);
}

Lines unterminatedStringError(const ErrorSite& site) {
    return {
        L"In " + site.scriptPath + L":" + std::to_wstring(site.lineNumber) + L" Zeichen:1",
        L"+ " + site.lineText,
        L"Die Zeichenfolge hat kein Abschlusszeichen: '.",
        L"    + CategoryInfo          : ParserError: (:) [], ParseException",
        L"    + FullyQualifiedErrorId : TerminatorExpectedAtEndOfString",
    };
}

Lines missingScriptError(const std::wstring& scriptPath) {
    return {L"Das Argument \"" + scriptPath +
            L"\" für den Parameter \"-File\" ist nicht vorhanden. Geben Sie den Pfad zu einer vorhandenen "
            L"\".ps1\"-Datei als Argument für den Parameter \"-File\" an."};
}

std::wstring numberedLine(std::size_t number, std::size_t count) {
    std::wstring line = L"Zeile " + std::to_wstring(number) + L" von " + std::to_wstring(count);
    if (number % 3 == 0) {
        line += L": Grüße aus Übersee, Äpfel und Öl";
    }
    return line;
}

Lines numberedLines(std::size_t count) {
    Lines lines;
    for (std::size_t number = 1; number <= count; ++number) {
        lines.push_back(numberedLine(number, count));
    }
    return lines;
}

std::wstring crashWholeLine() {
    return L"Die Bereitstellung läuft.";
}

std::wstring crashHalfLine() {
    return L"Abgebrochen mitten in der Zei";
}

Lines stderrOnlyLines() {
    return {L"Get-AppxPackage : Zugriff verweigert.", L"    + CategoryInfo          : PermissionDenied",
            L"    + FullyQualifiedErrorId : UnauthorizedAccess"};
}

Lines fullPipeLines(bool errorPipe) {
    constexpr std::size_t kBytes = std::size_t{1} << 20;
    constexpr std::size_t kLineBytes = 64;
    Lines lines;
    for (std::size_t number = 1; number <= kBytes / kLineBytes; ++number) {
        const std::wstring start = (errorPipe ? L"Fehler  " : L"Ausgabe ") + numbered(number, 8) + L" ";
        lines.push_back(start + std::wstring(kLineBytes - 2 - start.size(), errorPipe ? L'e' : L'a'));
    }
    return lines;
}

} // namespace tandrel::tools
