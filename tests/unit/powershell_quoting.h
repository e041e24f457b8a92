#pragma once

#include <optional>
#include <string>

namespace tandrel::test {

// Reads a single-quoted PowerShell string that starts at `at` the way PowerShell's tokenizer
// does: any of the five single quotes ends it, unless another one follows, which stands for
// one quote. Gives the string's value and moves `at` past its closing quote.
inline std::optional<std::wstring> readSingleQuoted(const std::wstring& text, std::size_t& at) {
    const auto isQuote = [](wchar_t c) { return c == L'\'' || (c >= 0x2018 && c <= 0x201B); };
    if (at >= text.size() || !isQuote(text[at])) {
        return std::nullopt;
    }
    std::wstring value;
    for (++at; at < text.size(); ++at) {
        if (isQuote(text[at])) {
            if (at + 1 < text.size() && isQuote(text[at + 1])) {
                value += text[++at];
                continue;
            }
            ++at;
            return value;
        }
        value += text[at];
    }
    return std::nullopt;
}

} // namespace tandrel::test
