// What makes each of the six style pages its own: one row per style, read by the one page class.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "array/array_parameters.h"

// The thirteen edits whose last valid text a page keeps, in this order.
enum LastValidText : int {
    kTextP, kTextX, kTextXStart, kTextXIncrement, kTextQ, kTextY, kTextYStart, kTextYIncrement,
    kTextW, kTextZ, kTextD, kTextR, kTextAngle, kLastValidTextCount,
};

struct SpinRange {
    int lower, upper;
};

// The record fields a style's set-up copies from the exchange values; the others keep theirs.
enum CopyField : uint32_t {
    kCopyXSpacing = 1u << 0, kCopyXNaming = 1u << 1, kCopyY = 1u << 2, kCopyYNaming = 1u << 3,
    kCopyW = 1u << 4, kCopyZ = 1u << 5, kCopyCircle = 1u << 6, kCopyRowDelta = 1u << 7,
};

struct StyleTraits {
    int pageIndex;
    ArrayStyle style;
    const char* className;
    const char* tabCaption;
    const char* nameFormat;
    const char* sampleTitle;
    int helpTopic;
    // Start values of the exchange.
    int p, q, xStart, xIncrement, yStart, yIncrement;
    const char* angleText;
    std::array<const char*, kLastValidTextCount> lastValid;   // null: left empty
    std::vector<int> hidden;
    std::vector<int> disabled;
    uint32_t copies;
    bool yAlphabeticChecked;   // the Y radio the page checks
    int yAlphabetic;           // -1: left as it is
    bool cornerStart;          // checks "Corner (QFP)"
    bool alphaNumericNaming;   // checks "Alpha/Numeric"
    SpinRange pSpin, qSpin;
    bool rowDeltaSpin;
};

constexpr int kStylePageCount = 6;

// The row of page `index` (0 to 5), or null.
const StyleTraits* FindStyleTraits(int index);
// The index of the page of that style, or -1.
int PageOfStyle(ArrayStyle style);
