#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of a job script, read the way PowerShell reads it: commands joined by "|", each with
// its parameters and values. Only what the program's job scripts need, but by PowerShell's rules.

namespace tandrel::tools {

struct Argument {
    // The parameter's name in lower case without its dash; empty for a positional value.
    std::wstring parameter;
    std::optional<std::wstring> value;
    // A double-quoted value, in which "$($_.Property)" stands for a property of the pipeline's object.
    bool expandable = false;
};

struct Command {
    std::wstring name;
    std::vector<Argument> arguments;
};

struct ParsedLine {
    std::vector<Command> pipeline;
    // A quoted string that the line does not close: PowerShell refuses the whole script.
    bool unterminatedString = false;
};

// The single quotes of PowerShell: ' and the typographic ‘ ’ ‚ ‛.
bool isSingleQuote(wchar_t c);
ParsedLine parseLine(std::wstring_view line);

// The value given for a parameter (lower case), else the first positional value.
const Argument* namedOrFirstPositional(const Command& command, std::wstring_view parameter);
bool hasSwitch(const Command& command, std::wstring_view parameter);
std::wstring lowerCase(std::wstring_view text);

} // namespace tandrel::tools
