#include "app/utf8.h"

namespace tandrel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf16(std::wstring& out, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<wchar_t>(c);
    }
}

// The length of the sequence a lead byte starts, and its payload bits; 0 for a byte that cannot lead.
int sequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

std::wstring decodeUtf8(std::span<const std::uint8_t> bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = bytes[i];
        const int length = sequenceLength(lead);
        if (length == 1) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        char32_t c = length == 2 ? (lead & 0x1Fu) : length == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
        int taken = 1;
        bool valid = length != 0;
        for (; valid && taken < length; ++taken) {
            if (i + static_cast<std::size_t>(taken) >= bytes.size() ||
                (bytes[i + static_cast<std::size_t>(taken)] & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            c = (c << 6) | (bytes[i + static_cast<std::size_t>(taken)] & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        if (valid && ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                      (length == 4 && (c < 0x10000 || c > 0x10FFFF)))) {
            valid = false;
        }
        if (valid) {
            appendUtf16(out, c);
            i += static_cast<std::size_t>(length);
        } else {
            out += static_cast<wchar_t>(kReplacement);
            i += static_cast<std::size_t>(taken == 0 ? 1 : taken);
        }
    }
    return out;
}

std::string encodeUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]) & 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00) {
            c = 0x10000 + ((c - 0xD800) << 10) + ((static_cast<char32_t>(text[i + 1]) & 0xFFFF) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace tandrel
