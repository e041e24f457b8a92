#include "inventory/text_case.h"

#include <algorithm>

namespace tandrel {

namespace {

bool within(wchar_t c, unsigned first, unsigned last) {
    const auto u = static_cast<unsigned>(c);
    return u >= first && u <= last;
}

wchar_t shifted(wchar_t c, unsigned by) {
    return static_cast<wchar_t>(static_cast<unsigned>(c) + by);
}

} // namespace

wchar_t lowerLetter(wchar_t c) {
    if (within(c, 'A', 'Z') || (within(c, 0xC0, 0xDE) && c != 0xD7) || within(c, 0x391, 0x3AB) ||
        within(c, 0x410, 0x42F)) {
        return c == 0x3A2 ? c : shifted(c, 0x20); // U+03A2 is unassigned
    }
    if (c == 0x130) {
        return L'i';
    }
    if (c == 0x178) {
        return 0xFF;
    }
    if (within(c, 0x400, 0x40F)) {
        return shifted(c, 0x50);
    }
    // Latin Extended-A pairs capitals with the next code point, apart from its few exceptions.
    if ((within(c, 0x100, 0x137) || within(c, 0x14A, 0x177)) && (static_cast<unsigned>(c) % 2 == 0)) {
        return shifted(c, 1);
    }
    if ((within(c, 0x139, 0x148) || within(c, 0x179, 0x17E)) && (static_cast<unsigned>(c) % 2 == 1)) {
        return shifted(c, 1);
    }
    return c;
}

bool sameLetterIgnoringCase(wchar_t a, wchar_t b) {
    return lowerLetter(a) == lowerLetter(b);
}

} // namespace tandrel

namespace tandrel {

std::size_t findIgnoringCase(const std::wstring& text, const std::wstring& pattern) {
    const auto hit =
        std::search(text.begin(), text.end(), pattern.begin(), pattern.end(), sameLetterIgnoringCase);
    return hit == text.end() && !pattern.empty() ? std::wstring::npos
                                                 : static_cast<std::size_t>(hit - text.begin());
}

} // namespace tandrel
