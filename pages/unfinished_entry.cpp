// Two small state tables: a character with no transition ends the scan.
#include "pages/unfinished_entry.h"

namespace {

constexpr int kNone = -1;

// Columns: ' ', '-', '.', '0'.
constexpr int kSigned[7][4] = {
    {0, 2, 1, 5},
    {kNone, kNone, kNone, 1},
    {kNone, kNone, 3, 3},
    {kNone, kNone, 4, 3},
    {kNone, kNone, kNone, 4},
    {kNone, kNone, 6, 5},
    {kNone, kNone, kNone, 6},
};

constexpr int kUnsigned[4][4] = {
    {0, kNone, 1, 2},
    {kNone, kNone, kNone, 1},
    {kNone, kNone, 3, 2},
    {kNone, kNone, kNone, 3},
};

int Column(char c) {
    switch (c) {
        case ' ': return 0;
        case '-': return 1;
        case '.': return 2;
        case '0': return 3;
        default: return kNone;
    }
}

}  // namespace

bool IsZeroOrUnfinished(std::string_view text, bool signedValue) {
    int state = 0;
    for (char c : text) {
        const int column = Column(c);
        if (column == kNone) return false;
        state = signedValue ? kSigned[state][column] : kUnsigned[state][column];
        if (state == kNone) return false;
    }
    return true;
}
