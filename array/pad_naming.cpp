// Index texts, name expansion and the format check.
#include "array/pad_naming.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "array/pad_namer.h"
#include "array/shared_state.h"
#include "platform/framework/module_state.h"
#include "platform/win/message_box.h"
#include "res/page_texts.h"
#include "res/resource.h"

namespace {

constexpr int kMaxAlphaLength = 4;

size_t WriteUnknown(char* out) {
    out[0] = '?';
    out[1] = '\0';
    return 1;
}

// Enabled letters in alphabetical order; returns how many. Every lettered name asks, so the
// list is kept and made again only when the table is no longer the one it was made from.
int EnabledLetters(const char*& letters) {
    static Alphabet madeFrom{};
    static char kept[26];
    static int count = -1;
    if (count < 0 || madeFrom != ActiveAlphabet) {
        madeFrom = ActiveAlphabet;
        count = 0;
        for (int i = 0; i < 26; ++i) {
            if (ActiveAlphabet[i]) kept[count++] = char('A' + i);
        }
    }
    letters = kept;
    return count;
}

struct Expander {
    char* out;
    size_t capacity;
    size_t length = 0;

    void Put(char c) {
        if (length + 1 < capacity) out[length++] = c;
    }
    void Put(std::string_view text) {
        for (char c : text) Put(c);
    }
};

}  // namespace

size_t AlphaIndexName(int32_t value, char* out) {
    out[0] = '\0';
    const char* letters = nullptr;
    int n = ActiveAlphabetCount;
    if (n <= 0) return 0;
    if (value < 0) return WriteUnknown(out);
    // A count that disagrees with the table must not read past the letters that exist.
    const int available = EnabledLetters(letters);
    if (n > available) n = available;
    if (n == 0) return 0;

    // Bijective numbering: first the n single letters, then the n^2 pairs, and so on.
    int length = 1;
    int64_t block = n;
    int64_t rest = value;
    while (rest >= block) {
        if (length == kMaxAlphaLength) return WriteUnknown(out);
        rest -= block;
        block *= n;
        ++length;
    }
    for (int i = length - 1; i >= 0; --i) {
        out[i] = letters[rest % n];
        rest /= n;
    }
    out[length] = '\0';
    return size_t(length);
}

std::string AlphaIndexName(int32_t value) {
    char buffer[kAlphaNameBuffer];
    const size_t length = AlphaIndexName(value, buffer);
    return std::string(buffer, length);
}

size_t IndexText(int32_t value, bool alphabetic, char* out) {
    if (alphabetic) return AlphaIndexName(value, out);
    const auto result = std::to_chars(out, out + kIndexTextBuffer - 1, value);
    *result.ptr = '\0';
    return size_t(result.ptr - out);
}

size_t BuildPadName(std::string_view format, std::string_view xText, std::string_view yText,
                    char* out, size_t capacity) {
    if (capacity == 0) return 0;
    Expander name{out, capacity};
    ForEachFormatPiece(format, [&](FormatPiece piece) {
        if (piece.kind == FormatPiece::Text) {
            name.Put(piece.c);
        } else {
            name.Put(piece.kind == FormatPiece::X ? xText : yText);
        }
    });
    out[name.length] = '\0';
    return name.length;
}

std::string BuildPadName(std::string_view format, std::string_view xText, std::string_view yText) {
    // Every format character yields at most one index text.
    const size_t longest = std::max(xText.size(), yText.size());
    std::string name(format.size() * std::max<size_t>(longest, 1) + 1, '\0');
    name.resize(BuildPadName(format, xText, yText, name.data(), name.size()));
    return name;
}

size_t PadName(const ArrayParameters& params, int32_t xIndex, int32_t yIndex,
               char (&out)[kPadNameBuffer]) {
    PadNamer namer(params);
    const std::string_view name = namer.Name(xIndex, yIndex);
    const size_t length = name.copy(out, kPadNameBuffer - 1);
    out[length] = '\0';
    return length;
}

std::string PadName(const ArrayParameters& params, int32_t xIndex, int32_t yIndex) {
    PadNamer namer(params);
    return std::string(namer.Name(xIndex, yIndex));
}

namespace {

struct AllowedFields {
    bool x, y;
};

AllowedFields AllowedFor(ArrayStyle style) {
    switch (style) {
        case ArrayStyle::DualQuad:
        case ArrayStyle::StaggerY: return {false, true};
        case ArrayStyle::Grid: return {true, true};
        default: return {true, false};
    }
}

// One placeholder kind: whether the style allows it, its bit and its two messages.
struct FieldRule {
    bool allowed;
    int32_t bit;
    int notAllowed, twice;
};

void NoteField(const FieldRule& rule, int32_t& seen, int& problem) {
    if (!rule.allowed) problem = rule.notAllowed;
    if (seen & rule.bit) problem = rule.twice;
    seen |= rule.bit;
}

}  // namespace

int NameFormatProblem(std::string_view format, ArrayStyle style, int32_t* fieldsSeen) {
    const AllowedFields allowed = AllowedFor(style);
    const FieldRule xRule{allowed.x, kFormatFieldX, IDS_FORMAT_X_NOT_ALLOWED, IDS_FORMAT_X_TWICE};
    const FieldRule yRule{allowed.y, kFormatFieldY, IDS_FORMAT_Y_NOT_ALLOWED, IDS_FORMAT_Y_TWICE};
    int32_t seen = 0;
    int problem = 0;   // a later problem replaces an earlier one
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '\\' && c != '%') continue;
        if (i + 1 == format.size()) {
            problem = IDS_FORMAT_LAST_CHAR;
            break;
        }
        const char next = format[++i];
        if (c == '\\') continue;
        if (next == 'X' || next == 'x') {
            NoteField(xRule, seen, problem);
        } else if (next == 'Y' || next == 'y') {
            NoteField(yRule, seen, problem);
        } else {
            problem = IDS_FORMAT_BAD_PERCENT;
        }
    }
    if (seen == 0) problem = IDS_FORMAT_NO_FIELD;
    if (fieldsSeen) *fieldsSeen = seen;
    return problem;
}

int CheckNameFormat(std::string_view format, ArrayParameters& params, HWND owner) {
    int32_t seen = 0;
    const int problem = NameFormatProblem(format, params.Style, &seen);
    if (problem == 0) {
        params.FormatFields = seen;
        return 1;
    }
    std::string text = AfxLoadString(IDS_BAD_PAD_FORMAT);
    const size_t slot = text.find("%1");
    if (slot != std::string::npos) text.replace(slot, 2, AfxLoadString(problem));
    MessageBoxA(owner, text.c_str(), page_texts::kFormattingError, MB_OK);
    return 0;
}
