// Latin-1 and UTF-8; see latin1.h.
#include "host/orvex/text/latin1.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr char32_t kLastLatin1 = 0xFF;

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The text as a refusal quotes it: valid characters as they are, a byte that begins none and a
// control character as \xHH, so the message itself stays readable UTF-8.
std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    while (!utf8.empty()) {
        const Utf8Char c = FirstUtf8Char(utf8);
        const size_t n = c.length == 0 ? 1 : c.length;
        if (c.length == 0 || c.code < 0x20) out += "\\x" + Hex(uint8_t(utf8[0]), 2);
        else out.append(utf8.substr(0, n));
        utf8.remove_prefix(n);
    }
    return out + "\"";
}

}  // namespace

Utf8Char FirstUtf8Char(std::string_view s) {
    if (s.empty()) return {};
    const uint8_t lead = uint8_t(s[0]);
    if (lead < 0x80) return {1, lead};
    const size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (n == 0 || lead > 0xF4 || s.size() < n) return {};
    char32_t code = lead & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        if ((uint8_t(s[i]) & 0xC0) != 0x80) return {};
        code = code << 6 | (uint8_t(s[i]) & 0x3F);
    }
    static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {n, code};
}

Result<std::string> Latin1FromUtf8(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    size_t character = 1;
    for (std::string_view rest = utf8; !rest.empty(); ++character) {
        const Utf8Char c = FirstUtf8Char(rest);
        if (c.length == 0) {
            return Failure{"the text " + Quoted(utf8) + " is not UTF-8: its character " + std::to_string(character) +
                           " starts with the byte 0x" + Hex(uint8_t(rest[0]), 2)};
        }
        if (c.code > kLastLatin1) {
            return Failure{"the text " + Quoted(utf8) + " holds U+" + Hex(unsigned(c.code), 4) + " (" +
                           std::string(rest.substr(0, c.length)) + ") as its character " + std::to_string(character) +
                           ", which is not Latin-1, the 8-bit character set of the names in a design"};
        }
        bytes += char(c.code);
        rest.remove_prefix(c.length);
    }
    return bytes;
}

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char byte : latin1) {
        const uint8_t c = uint8_t(byte);
        if (c < 0x80) {
            out += byte;
        } else {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}
