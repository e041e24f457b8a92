#include "tools/powershell_standin/script_line.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace tandrel::tools {
namespace {

// Parameters that take no value; any other parameter takes the token after it.
constexpr std::array<std::wstring_view, 5> kSwitches = {L"allusers", L"online", L"forceapplicationshutdown",
                                                        L"disabledevelopmentmode", L"register"};

enum class TokenKind { Word, Parameter, String, Pipe, Block };

struct Token {
    TokenKind kind;
    std::wstring text;
    bool expandable = false;
};

bool isDoubleQuote(wchar_t c) {
    return c == L'"' || (c >= 0x201C && c <= 0x201E);
}

// PowerShell takes the en, em and horizontal-bar dashes for a hyphen.
bool isDash(wchar_t c) {
    return c == L'-' || (c >= 0x2013 && c <= 0x2015);
}

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

class Tokenizer {
public:
    explicit Tokenizer(std::wstring_view line) : line_(line) {}

    std::vector<Token> tokens() {
        std::vector<Token> result;
        while (skipBlanks()) {
            const wchar_t c = line_[at_];
            if (c == L'#') {
                break;
            }
            if (c == L'|') {
                ++at_;
                result.push_back({TokenKind::Pipe, L"|"});
            } else if (c == L'{') {
                result.push_back({TokenKind::Block, block()});
            } else if (isSingleQuote(c)) {
                result.push_back({TokenKind::String, singleQuoted()});
            } else if (isDoubleQuote(c)) {
                result.push_back({TokenKind::String, doubleQuoted(), true});
            } else {
                result.push_back(word());
            }
        }
        return result;
    }

    bool unterminated() const { return unterminated_; }

private:
    bool skipBlanks() {
        while (at_ < line_.size() && isBlank(line_[at_])) {
            ++at_;
        }
        return at_ < line_.size();
    }

    // Inside single quotes nothing is special but the quote itself: two quotes in a row, of any of
    // the five kinds, stand for one, the second of them.
    std::wstring singleQuoted() {
        std::wstring text;
        for (++at_; at_ < line_.size(); ++at_) {
            if (isSingleQuote(line_[at_])) {
                if (at_ + 1 >= line_.size() || !isSingleQuote(line_[at_ + 1])) {
                    ++at_;
                    return text;
                }
                ++at_;
            }
            text += line_[at_];
        }
        unterminated_ = true;
        return text;
    }

    // Two double quotes stand for one; a backtick takes the next character as it is.
    std::wstring doubleQuoted() {
        std::wstring text;
        for (++at_; at_ < line_.size(); ++at_) {
            const wchar_t c = line_[at_];
            if (c == L'`' && at_ + 1 < line_.size()) {
                text += line_[++at_];
            } else if (isDoubleQuote(c)) {
                if (at_ + 1 >= line_.size() || !isDoubleQuote(line_[at_ + 1])) {
                    ++at_;
                    return text;
                }
                text += line_[++at_];
            } else {
                text += c;
            }
        }
        unterminated_ = true;
        return text;
    }

    // The text between the braces, with braces inside quoted strings left alone.
    std::wstring block() {
        const std::size_t start = ++at_;
        int depth = 1;
        while (at_ < line_.size()) {
            const wchar_t c = line_[at_];
            if (isSingleQuote(c)) {
                singleQuoted();
            } else if (isDoubleQuote(c)) {
                doubleQuoted();
            } else {
                ++at_;
                depth += c == L'{' ? 1 : c == L'}' ? -1 : 0;
                if (depth == 0) {
                    return std::wstring(line_.substr(start, at_ - 1 - start));
                }
            }
        }
        unterminated_ = true;
        return std::wstring(line_.substr(start));
    }

    Token word() {
        const std::size_t start = at_;
        while (at_ < line_.size() && !isBlank(line_[at_]) && line_[at_] != L'|') {
            ++at_;
        }
        const std::wstring_view text = line_.substr(start, at_ - start);
        if (text.size() > 1 && isDash(text[0]) && std::iswalpha(static_cast<wint_t>(text[1]))) {
            return {TokenKind::Parameter, lowerCase(text.substr(1))};
        }
        return {TokenKind::Word, std::wstring(text)};
    }

    std::wstring_view line_;
    std::size_t at_ = 0;
    bool unterminated_ = false;
};

bool isSwitch(const std::wstring& parameter) {
    return std::find(kSwitches.begin(), kSwitches.end(), parameter) != kSwitches.end();
}

bool isValue(const Token& token) {
    return token.kind == TokenKind::Word || token.kind == TokenKind::String || token.kind == TokenKind::Block;
}

std::vector<Command> bind(const std::vector<Token>& tokens) {
    std::vector<Command> pipeline;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::Pipe) {
            pipeline.emplace_back();
            continue;
        }
        if (pipeline.empty()) {
            pipeline.emplace_back();
        }
        Command& command = pipeline.back();
        if (command.name.empty() && isValue(token)) {
            command.name = token.text;
        } else if (token.kind != TokenKind::Parameter) {
            command.arguments.push_back({L"", token.text, token.expandable});
        } else if (!isSwitch(token.text) && i + 1 < tokens.size() && isValue(tokens[i + 1])) {
            ++i;
            command.arguments.push_back({token.text, tokens[i].text, tokens[i].expandable});
        } else {
            command.arguments.push_back({token.text, std::nullopt});
        }
    }
    return pipeline;
}

} // namespace

bool isSingleQuote(wchar_t c) {
    return c == L'\'' || (c >= 0x2018 && c <= 0x201B);
}

std::wstring lowerCase(std::wstring_view text) {
    std::wstring lower;
    for (const wchar_t c : text) {
        lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return lower;
}

ParsedLine parseLine(std::wstring_view line) {
    Tokenizer tokenizer(line);
    const std::vector<Token> tokens = tokenizer.tokens();
    return {bind(tokens), tokenizer.unterminated()};
}

const Argument* namedOrFirstPositional(const Command& command, std::wstring_view parameter) {
    const Argument* positional = nullptr;
    for (const Argument& argument : command.arguments) {
        if (argument.parameter == parameter) {
            return &argument;
        }
        if (positional == nullptr && argument.parameter.empty()) {
            positional = &argument;
        }
    }
    return positional;
}

bool hasSwitch(const Command& command, std::wstring_view parameter) {
    return std::any_of(command.arguments.begin(), command.arguments.end(),
                       [&](const Argument& argument) { return argument.parameter == parameter; });
}

} // namespace tandrel::tools
