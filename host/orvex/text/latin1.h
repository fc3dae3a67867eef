// Names in a design are 8-bit texts whose bytes are Latin-1 characters; the terminal, JSON files,
// dialog scripts and KiCad files carry UTF-8. Every text crosses between the two here.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "host/base/result.h"

// The character that a UTF-8 text starts with. `length` is 0 for bytes that start none: a stray
// continuation byte, a cut or overlong sequence, a surrogate, a code past U+10FFFF.
struct Utf8Char {
    size_t length = 0;
    char32_t code = 0;
};
Utf8Char FirstUtf8Char(std::string_view utf8);

// The Latin-1 bytes of a UTF-8 text. Refused, quoting the text and naming the character and its
// place (counted in characters from 1), for a character above U+00FF and for bytes that are not
// UTF-8.
Result<std::string> Latin1FromUtf8(std::string_view utf8);

// The UTF-8 of a Latin-1 text: each byte is the character of its value.
std::string Utf8FromLatin1(std::string_view latin1);
