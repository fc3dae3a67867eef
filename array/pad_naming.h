// Pad names: index values written as numbers or alphabet letters, placed by a name format.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "array/array_parameters.h"
#include "platform/win/win_types.h"

// Longest letter form is four letters; "?" stands for values it cannot write.
constexpr size_t kAlphaNameBuffer = 5;
// Room of one index text; a decimal 32-bit value takes at most 11 characters.
constexpr size_t kIndexTextBuffer = 32;
// Room of a pad name from a NameFormat of at most 10 characters (five placeholders of 11).
constexpr size_t kPadNameBuffer = 64;

// Writes the letter form of `value` with the active alphabet into `out` (at least
// kAlphaNameBuffer characters) and returns its length.
size_t AlphaIndexName(int32_t value, char* out);
std::string AlphaIndexName(int32_t value);

// The text of one index: letters when `alphabetic`, else decimal.
size_t IndexText(int32_t value, bool alphabetic, char* out);

// One piece of a name format: a character of the name, or where one of the index texts goes.
struct FormatPiece {
    enum Kind : uint8_t { Text, X, Y } kind;
    char c;
};

// Reads `format` as names are made from it, calling `piece` for each piece in turn: "\c" is c,
// "%X" and "%Y" (either case) the index texts, any other "%c" nothing, and a last '\' or '%'
// ends it.
template <typename OnPiece>
void ForEachFormatPiece(std::string_view format, OnPiece&& piece) {
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '\\' && c != '%') {
            piece(FormatPiece{FormatPiece::Text, c});
            continue;
        }
        if (i + 1 == format.size()) return;
        const char next = format[++i];
        if (c == '\\') {
            piece(FormatPiece{FormatPiece::Text, next});
        } else if (next == 'X' || next == 'x') {
            piece(FormatPiece{FormatPiece::X, 0});
        } else if (next == 'Y' || next == 'y') {
            piece(FormatPiece{FormatPiece::Y, 0});
        }
    }
}

// Expands `format` with the two index texts into `out`, which holds `capacity` characters
// including the terminating zero; a longer result is cut. Returns the length written.
size_t BuildPadName(std::string_view format, std::string_view xText, std::string_view yText,
                    char* out, size_t capacity);
// The same without a length limit, for formats of any length.
std::string BuildPadName(std::string_view format, std::string_view xText, std::string_view yText);

// The name of the pad with the given indices under the record's format and index kinds.
size_t PadName(const ArrayParameters& params, int32_t xIndex, int32_t yIndex,
               char (&out)[kPadNameBuffer]);
std::string PadName(const ArrayParameters& params, int32_t xIndex, int32_t yIndex);

// Checks a name format against the record's style. On success stores the placeholders found
// in `params.FormatFields` and returns 1; otherwise shows "Formatting Error" and returns 0.
int CheckNameFormat(std::string_view format, ArrayParameters& params, HWND owner);

// The string-table ID of the problem the format check finds, or 0; FormatFields is not touched.
int NameFormatProblem(std::string_view format, ArrayStyle style, int32_t* fieldsSeen);
