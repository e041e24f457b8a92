#include "tools/powershell_standin/script_runner.h"

#include "tools/powershell_standin/appx_store.h"
#include "tools/powershell_standin/console_streams.h"
#include "tools/powershell_standin/package_identity.h"
#include "tools/powershell_standin/script_line.h"

#include <windows.h>

#include <cwchar>
#include <map>
#include <optional>

namespace tandrel::tools {
namespace {

using Objects = std::vector<ListRecord>;

struct Context {
    ErrorSite site;
    bool sleeps = true;
    std::optional<int> exitCode;
    // $_ inside a ForEach block.
    const ListRecord* current = nullptr;
};

using Cmdlet = Objects (*)(const Command& command, Context& context);

std::wstring propertyOf(const ListRecord& record, const std::wstring& name) {
    for (const ListField& field : record) {
        if (lowerCase(field.label) == lowerCase(name)) {
            return field.value;
        }
    }
    return {};
}

// "$($_.Property)" in a double-quoted value becomes the property of the current object.
std::wstring expanded(const Argument& argument, const Context& context) {
    const std::wstring& text = *argument.value;
    if (!argument.expandable || context.current == nullptr) {
        return text;
    }
    static const std::wstring open = L"$($_.";
    std::wstring result;
    std::size_t at = 0;
    for (std::size_t hit = text.find(open); hit != std::wstring::npos; hit = text.find(open, at)) {
        const std::size_t close = text.find(L')', hit + open.size());
        if (close == std::wstring::npos) {
            break;
        }
        result += text.substr(at, hit - at) +
                  propertyOf(*context.current, text.substr(hit + open.size(), close - hit - open.size()));
        at = close + 1;
    }
    return result + text.substr(at);
}

// The value of a parameter that must have one; an error record and nullopt when it has none.
std::optional<std::wstring> requiredValue(const Command& command, const wchar_t* cmdlet,
                                          const wchar_t* parameter, const Context& context) {
    const Argument* argument = namedOrFirstPositional(command, lowerCase(parameter));
    if (argument == nullptr || !argument->value) {
        writeLines(Stream::Error, missingArgumentError(cmdlet, parameter, context.site));
        return std::nullopt;
    }
    return expanded(*argument, context);
}

Objects removeAppxPackage(const Command& command, Context& context) {
    const auto fullName = requiredValue(command, L"Remove-AppxPackage", L"Package", context);
    if (!fullName) {
        return {};
    }
    if (removeInstalledPackage(*fullName)) {
        writeLines(Stream::Output, removalLines(*fullName));
    } else {
        writeLines(Stream::Error, packageNotInstalledError(*fullName, context.site));
    }
    return {};
}

Objects addAppxPackage(const Command& command, Context& context) {
    const bool force = hasSwitch(command, L"forceapplicationshutdown");
    if (hasSwitch(command, L"register")) {
        if (const auto manifest = requiredValue(command, L"Add-AppxPackage", L"Path", context)) {
            writeLines(Stream::Output, registrationLines(*manifest, force));
        }
    } else if (const auto package = requiredValue(command, L"Add-AppxPackage", L"MainPackage", context)) {
        writeLines(Stream::Output, installLines(*package, force));
    }
    return {};
}

Objects getAppxPackage(const Command& command, Context& context) {
    const Argument* name = namedOrFirstPositional(command, L"name");
    const std::optional<std::wstring> wanted =
        name != nullptr && name->value ? std::optional(lowerCase(expanded(*name, context))) : std::nullopt;
    Objects packages;
    for (const InstalledPackage& package : installedPackages()) {
        if (!wanted || lowerCase(splitFullName(package.fullName).name) == *wanted) {
            packages.push_back(installedRecord(package));
        }
    }
    return packages;
}

Objects getAppxProvisionedPackage(const Command&, Context&) {
    Objects packages;
    for (const ProvisionedPackage& package : provisionedPackages()) {
        packages.push_back(provisionedRecord(package));
    }
    return packages;
}

Objects removeAppxProvisionedPackage(const Command& command, Context& context) {
    const auto name = requiredValue(command, L"Remove-AppxProvisionedPackage", L"PackageName", context);
    if (!name) {
        return {};
    }
    if (!removeProvisionedPackage(*name)) {
        writeLines(Stream::Error, provisionedPackageNotFoundError(*name, context.site));
        return {};
    }
    return {provisionedRemovalRecord()};
}

Objects getAppxLog(const Command&, Context&) {
    return appxLogRecords();
}

Objects startSleep(const Command& command, Context& context) {
    const Argument* seconds = namedOrFirstPositional(command, L"seconds");
    if (context.sleeps && seconds != nullptr && seconds->value) {
        Sleep(static_cast<DWORD>(std::wcstoul(seconds->value->c_str(), nullptr, 10) * 1000));
    }
    return {};
}

Objects exitScript(const Command& command, Context& context) {
    // Exit has no parameters: only a positional value, whose parameter name is empty.
    const Argument* code = namedOrFirstPositional(command, L"");
    context.exitCode = code != nullptr && code->value ? std::wcstol(code->value->c_str(), nullptr, 10) : 0;
    return {};
}

const std::map<std::wstring, Cmdlet> kCmdlets = {
    {L"remove-appxpackage", removeAppxPackage},
    {L"add-appxpackage", addAppxPackage},
    {L"get-appxpackage", getAppxPackage},
    {L"get-appxprovisionedpackage", getAppxProvisionedPackage},
    {L"remove-appxprovisionedpackage", removeAppxProvisionedPackage},
    {L"get-appxlog", getAppxLog},
    {L"start-sleep", startSleep},
    {L"exit", exitScript},
};

bool isForEach(const std::wstring& name) {
    return name == L"foreach" || name == L"foreach-object" || name == L"%";
}

Objects runPipeline(const std::vector<Command>& pipeline, Context& context);

// Runs the block once for every object, with the object as $_.
Objects forEach(const Command& command, const Objects& input, Context& context) {
    const Argument* block = namedOrFirstPositional(command, L"process");
    if (block == nullptr || !block->value) {
        return {};
    }
    const ParsedLine inner = parseLine(*block->value);
    Objects output;
    for (const ListRecord& object : input) {
        Context inside = context;
        inside.current = &object;
        Objects produced = runPipeline(inner.pipeline, inside);
        output.insert(output.end(), produced.begin(), produced.end());
        if (inside.exitCode) {
            context.exitCode = inside.exitCode;
            break;
        }
    }
    return output;
}

Objects runPipeline(const std::vector<Command>& pipeline, Context& context) {
    Objects objects;
    for (std::size_t i = 0; i < pipeline.size() && !context.exitCode; ++i) {
        const Command& command = pipeline[i];
        const std::wstring name = lowerCase(command.name);
        if (i > 0 && name == L"format-list") {
            writeLines(Stream::Output, formatList(objects));
            objects.clear();
        } else if (i > 0 && isForEach(name)) {
            objects = forEach(command, objects, context);
        } else if (const auto cmdlet = kCmdlets.find(name); cmdlet != kCmdlets.end()) {
            objects = cmdlet->second(command, context);
        } else {
            writeLines(Stream::Error, unknownCommandError(command.name, context.site));
            return {};
        }
    }
    return objects;
}

std::vector<std::wstring> splitLines(std::wstring text) {
    if (!text.empty() && text.front() == L'\xFEFF') {
        text.erase(0, 1);
    }
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find(L'\n'); end != std::wstring::npos; end = text.find(L'\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    for (std::wstring& line : lines) {
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
    }
    return lines;
}

} // namespace

int runScript(const std::wstring& scriptPath, const std::wstring& text, bool sleeps) {
    const std::vector<std::wstring> lines = splitLines(text);
    std::vector<ParsedLine> parsed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        parsed.push_back(parseLine(lines[i]));
        if (parsed.back().unterminatedString) {
            writeLines(Stream::Error, unterminatedStringError({scriptPath, i + 1, lines[i]}));
            return 1;
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Context context{{scriptPath, i + 1, lines[i]}, sleeps, std::nullopt, nullptr};
        const Objects left = runPipeline(parsed[i].pipeline, context);
        if (!left.empty()) {
            writeLines(Stream::Output, formatList(left));
        }
        if (context.exitCode) {
            return *context.exitCode;
        }
    }
    return 0;
}

} // namespace tandrel::tools
