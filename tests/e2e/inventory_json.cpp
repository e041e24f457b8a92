#include "tests/e2e/inventory_json.h"

#include "tests/e2e/driver_error.h"

#include <algorithm>
#include <cstdint>

namespace tandrel::e2e {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue();
        skipBlanks();
        if (at_ != text_.size()) {
            fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw DriverError("sample data JSON, offset " + std::to_string(at_) + ": " + what);
    }

    void skipBlanks() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    char next() {
        if (at_ >= text_.size()) {
            fail("unexpected end");
        }
        return text_[at_++];
    }

    void expect(char wanted) {
        skipBlanks();
        if (next() != wanted) {
            fail(std::string("expected '") + wanted + "'");
        }
    }

    bool take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    JsonValue parseValue() {
        skipBlanks();
        JsonValue value;
        if (at_ >= text_.size()) {
            fail("a value is missing");
        }
        const char first = text_[at_];
        if (first == '{') {
            parseObject(value);
        } else if (first == '[') {
            parseArray(value);
        } else if (first == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = parseString();
        } else if (take("true") || take("false")) {
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = first == 't';
        } else if (!take("null")) {
            value.kind = JsonValue::Kind::Number;
            value.number = parseInteger();
        }
        return value;
    }

    // Calls `element` for each element up to `close`; the opening bracket is taken already.
    template <class Element> void parseSequence(char close, Element element) {
        ++at_;
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == close) {
            ++at_;
            return;
        }
        for (;;) {
            element();
            skipBlanks();
            const char separator = next();
            if (separator == close) {
                return;
            }
            if (separator != ',') {
                fail(std::string("expected ',' or '") + close + "'");
            }
        }
    }

    void parseObject(JsonValue& value) {
        value.kind = JsonValue::Kind::Object;
        parseSequence('}', [&] {
            skipBlanks();
            if (at_ >= text_.size() || text_[at_] != '"') {
                fail("expected a member name");
            }
            value.keys.push_back(parseString());
            expect(':');
            value.items.push_back(parseValue());
        });
    }

    void parseArray(JsonValue& value) {
        value.kind = JsonValue::Kind::Array;
        parseSequence(']', [&] { value.items.push_back(parseValue()); });
    }

    long long parseInteger() {
        const bool negative = take("-");
        long long result = 0;
        const size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            result = result * 10 + (text_[at_++] - '0');
        }
        if (at_ == start) {
            fail("not a value");
        }
        if (at_ < text_.size() && (text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E')) {
            fail("only integers are read");
        }
        return negative ? -result : result;
    }

    std::uint32_t parseHex4() {
        std::uint32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = next();
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                fail("bad \\u escape");
            }
            unit = unit * 16 + static_cast<std::uint32_t>(digit);
        }
        return unit;
    }

    static void appendUtf8(std::string& out, std::uint32_t code) {
        const auto byte = [&out](std::uint32_t b) {
            out += static_cast<char>(static_cast<unsigned char>(b));
        };
        if (code < 0x80) {
            byte(code);
        } else if (code < 0x800) {
            byte(0xC0 | (code >> 6));
            byte(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            byte(0xE0 | (code >> 12));
            byte(0x80 | ((code >> 6) & 0x3F));
            byte(0x80 | (code & 0x3F));
        } else {
            byte(0xF0 | (code >> 18));
            byte(0x80 | ((code >> 12) & 0x3F));
            byte(0x80 | ((code >> 6) & 0x3F));
            byte(0x80 | (code & 0x3F));
        }
    }

    // Python writes a character beyond the BMP as two \u escapes, a surrogate pair.
    std::uint32_t parseEscapedUnit() {
        std::uint32_t code = parseHex4();
        if (code >= 0xD800 && code < 0xDC00 && take("\\u")) {
            code = 0x10000 + ((code - 0xD800) << 10) + (parseHex4() - 0xDC00);
        }
        return code;
    }

    std::string parseString() {
        ++at_;
        std::string result;
        for (;;) {
            const char c = next();
            if (c == '"') {
                return result;
            }
            if (c != '\\') {
                result += c;
                continue;
            }
            switch (const char escaped = next()) {
            case 'n':
                result += '\n';
                break;
            case 'r':
                result += '\r';
                break;
            case 't':
                result += '\t';
                break;
            case 'b':
                result += '\b';
                break;
            case 'f':
                result += '\f';
                break;
            case 'u':
                appendUtf8(result, parseEscapedUnit());
                break;
            default: // '"', '\\' and '/' stand for themselves
                result += escaped;
            }
        }
    }

    std::string_view text_;
    size_t at_ = 0;
};

} // namespace

bool JsonValue::has(std::string_view key) const {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end()) {
        throw DriverError("the sample data JSON has no member '" + std::string(key) + "'");
    }
    return items[static_cast<size_t>(found - keys.begin())];
}

JsonValue parseJson(std::string_view text) {
    return Parser(text).document();
}

} // namespace tandrel::e2e
