#pragma once

#include <string>
#include <string_view>
#include <vector>

// Just enough JSON for the sample data's summary, which the generator writes with Python's json
// module: objects, arrays, strings, integers, true, false and null.

namespace tandrel::e2e {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    long long number = 0;
    std::string text; // a string, as UTF-8
    // An array's elements, or an object's values in the order of `keys`.
    std::vector<JsonValue> items;
    std::vector<std::string> keys;

    bool has(std::string_view key) const;
    // The member `key` of an object; throws DriverError when there is none.
    const JsonValue& operator[](std::string_view key) const;
};

// Throws DriverError, with the offset, for text that is not JSON or is JSON this reader does
// not take (fractions and exponents).
JsonValue parseJson(std::string_view text);

} // namespace tandrel::e2e
