// JSON output; see json_writer.h.
#include "host/orvex/text/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/orvex/text/latin1.h"

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ", ";
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(const std::string& key) {
    String(key);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& value) {
    BeforeValue();
    out_ += '"';
    // Names are 8-bit texts; each byte is the Latin-1 character of its value, in UTF-8.
    for (unsigned char c : Utf8FromLatin1(value)) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += char(c);
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out_ += esc;
        } else {
            out_ += char(c);
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
    BeforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Real(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        out_ += "null";
        return *this;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    out_ += text;
    return *this;
}

JsonWriter& JsonWriter::Short(double value) {
    if (!std::isfinite(value)) return Real(value);
    BeforeValue();
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value == 0 ? 0.0 : value);
    out_.append(text, ec == std::errc() ? end : text);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
    return *this;
}
