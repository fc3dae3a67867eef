// A small streaming JSON writer for "orvex show --json"; commas and escapes are its business.
// Its output is UTF-8 whatever the bytes of a text: a byte above 127 is the Latin-1 character
// of that value, so every 8-bit name comes back byte for byte.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const std::string& key);
    JsonWriter& String(const std::string& value);
    JsonWriter& Int(int64_t value);
    JsonWriter& Real(double value);
    // The shortest text that reads back as the same number: 1.95 rather than 1.9499999999999999.
    JsonWriter& Short(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    const std::string& text() const { return out_; }

private:
    void BeforeValue();
    std::string out_;
    std::vector<bool> first_;   // per open container: nothing written into it yet
    bool afterKey_ = false;
};
