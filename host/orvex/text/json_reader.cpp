// A recursive-descent reader over the text, with a depth limit so that no input can exhaust the
// stack.
#include "host/orvex/text/json_reader.h"

#include <cstdlib>
#include <cstring>

#include "host/orvex/text/latin1.h"

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool Document(JsonValue& out) {
        SkipBlanks();
        if (!Value(out, 0)) return false;
        SkipBlanks();
        return AtEnd() || Fault("more text after the value");
    }
    const std::string& Error() const { return error_; }

private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    bool Fault(const std::string& what) {
        if (!error_.empty()) return false;
        int line = 1, column = 1;
        for (size_t i = 0; i < at_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') ++line, column = 1;
            else ++column;
        }
        error_ = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
        return false;
    }

    void SkipBlanks() {
        while (!AtEnd() && std::strchr(" \t\r\n", text_[at_]) != nullptr) ++at_;
    }

    bool Value(JsonValue& out, int depth) {
        if (depth >= kJsonMaxDepth) return Fault("nested deeper than " + std::to_string(kJsonMaxDepth));
        switch (Peek()) {
        case '{': return Object(out, depth);
        case '[': return Array(out, depth);
        case '"': out.kind = JsonValue::Kind::String; return String(out.text);
        case 't': out.kind = JsonValue::Kind::Bool; out.boolean = true; return Word("true");
        case 'f': out.kind = JsonValue::Kind::Bool; return Word("false");
        case 'n': out.kind = JsonValue::Kind::Null; return Word("null");
        case '\0': if (AtEnd()) return Fault("the text ends where a value should be"); break;
        default: break;
        }
        if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return Number(out);
        return Fault(std::string("unexpected '") + Peek() + "'");
    }

    bool Word(const char* word) {
        const size_t n = std::strlen(word);
        if (text_.substr(at_, n) != word) return Fault(std::string("expected ") + word);
        at_ += n;
        return true;
    }

    bool Digits() {
        const size_t from = at_;
        while (Peek() >= '0' && Peek() <= '9') ++at_;
        return at_ > from || Fault("a digit is missing");
    }

    bool Number(JsonValue& out) {
        const size_t from = at_;
        if (Peek() == '-') ++at_;
        if (Peek() == '0') ++at_;
        else if (!Digits()) return false;
        if (Peek() == '.' && (++at_, !Digits())) return false;
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            if (Peek() == '+' || Peek() == '-') ++at_;
            if (!Digits()) return false;
        }
        out.kind = JsonValue::Kind::Number;
        out.text = std::string(text_.substr(from, at_ - from));
        out.number = std::strtod(out.text.c_str(), nullptr);
        return true;
    }

    bool Hex4(unsigned& code) {
        code = 0;
        for (int i = 0; i < 4; ++i, ++at_) {
            const char c = Peek();
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0) return Fault("\\u needs four hex digits");
            code = code * 16 + unsigned(digit);
        }
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }

    bool Unicode(std::string& out) {
        unsigned code = 0;
        if (!Hex4(code)) return false;
        // A zero would end every name made from the text in C, cutting "U1\u0000copy" to "U1".
        if (code == 0) return (at_ -= 6, Fault("a NUL character inside a string"));
        if (code >= 0xDC00 && code <= 0xDFFF) return Fault("a lone low surrogate");
        if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (text_.substr(at_, 2) != "\\u") return Fault("a high surrogate without its low half");
            at_ += 2;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fault("a high surrogate without its low half");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    bool Escape(std::string& out) {
        static const char kFrom[] = "\"\\/bfnrt", kTo[] = "\"\\/\b\f\n\r\t";
        const char c = Peek();
        ++at_;
        if (c == 'u') return Unicode(out);
        const char* at = c ? std::strchr(kFrom, c) : nullptr;
        if (at == nullptr) return (--at_, Fault("unknown escape"));
        out += kTo[at - kFrom];
        return true;
    }

    bool String(std::string& out) {
        ++at_;   // the opening quote
        out.clear();
        while (true) {
            if (AtEnd()) return Fault("a string is not closed");
            const char c = text_[at_++];
            if (c == '"') return true;
            if (uint8_t(c) < 0x20) return (--at_, Fault("a control character inside a string"));
            if (uint8_t(c) >= 0x80) {
                const size_t n = FirstUtf8Char(text_.substr(--at_)).length;
                if (n == 0) return Fault("a string is not valid UTF-8");
                out.append(text_.substr(at_, n));
                at_ += n;
            } else if (c != '\\') out += c;
            else if (!Escape(out)) return false;
        }
    }

    // The parts between the brackets of an array or an object, each read by `part`.
    template <class Part>
    bool Sequence(char close, Part part) {
        ++at_;
        SkipBlanks();
        if (Peek() == close) return ++at_, true;
        while (true) {
            SkipBlanks();
            if (!part()) return false;
            SkipBlanks();
            if (Peek() == close) return ++at_, true;
            if (Peek() != ',') return Fault(std::string("expected ',' or '") + close + "'");
            ++at_;
        }
    }

    bool Array(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Array;
        return Sequence(']', [&] {
            out.items.emplace_back();
            return Value(out.items.back(), depth + 1);
        });
    }

    bool Object(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Object;
        return Sequence('}', [&] {
            if (Peek() != '"') return Fault("expected a member name in quotes");
            std::string name;
            if (!String(name)) return false;
            SkipBlanks();
            if (Peek() != ':') return Fault("expected ':' after a member name");
            ++at_;
            SkipBlanks();
            out.members.push_back({std::move(name), JsonValue{}});
            return Value(out.members.back().value, depth + 1);
        });
    }

    std::string_view text_;
    size_t at_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Member(const std::string& name) const {
    for (auto it = members.rbegin(); it != members.rend(); ++it)
        if (it->name == name) return &it->value;
    return nullptr;
}

Result<JsonValue> ReadJson(std::string_view text) {
    Reader reader(text);
    JsonValue value;
    if (!reader.Document(value)) return Result<JsonValue>::Fail(reader.Error());
    return value;
}

Status TextsToLatin1(JsonValue& value) {
    if (value.kind == JsonValue::Kind::String) {
        TRY_ASSIGN(bytes, Latin1FromUtf8(value.text));
        value.text = std::move(bytes);
    }
    for (JsonValue& item : value.items) TRY(TextsToLatin1(item));
    for (JsonMember& member : value.members) {
        TRY_ASSIGN(name, Latin1FromUtf8(member.name));
        member.name = std::move(name);
        TRY(TextsToLatin1(member.value));
    }
    return {};
}
