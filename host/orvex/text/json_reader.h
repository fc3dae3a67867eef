// Reading JSON that people and tools hand to orvex: the whole grammar, nothing lenient, and a
// refusal that names the line and column of the first fault.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;   // a string's text, or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;   // in the order written

    // The last member of that name, as most readers take it; null when there is none.
    const JsonValue* Member(const std::string& name) const;
};

// A member of an object. A struct of its own rather than a pair, which may not hold a JsonValue
// before JsonValue is complete.
struct JsonMember {
    std::string name;
    JsonValue value;
};

// Nesting deeper than this is refused rather than followed.
constexpr int kJsonMaxDepth = 64;

Result<JsonValue> ReadJson(std::string_view text);

// Every string and member name of `value` (read as UTF-8) as the 8-bit text of a design, the
// way JsonWriter's texts come back; refused, naming the character, where one lies above U+00FF.
Status TextsToLatin1(JsonValue& value);
