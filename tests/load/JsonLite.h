#pragma once
// A strict, small JSON reader for checking what velmora-chart writes: the
// whole text must be one value (RFC 8259), strings valid UTF-8, and nothing
// may follow the value. Enough of a tree to look fields up by key.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::load {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;                                       // a string's decoded UTF-8
    std::vector<JsonValue> items;  // an array's values, or an object's member values
    std::vector<std::string> keys; // an object's member names, parallel to items

    // The member named `key`, or nullptr (also for a value that is no object).
    const JsonValue* find(std::string_view key) const;
    // The number as an int, or nothing when it is no whole number.
    std::optional<int> integer() const;
};

struct JsonParse {
    std::optional<JsonValue> value;  // unset when the text is not JSON
    std::string problem;             // what is wrong, with the byte offset
};

JsonParse ParseJson(std::string_view text);

}  // namespace velmora::load
