// The host's stroke font: texts as line segments, for labels and pad names in the previews.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace zelmdb {

struct Segment {
    int32_t x1, y1, x2, y2;
};

struct StrokeText {
    std::vector<Segment> segments;
    int32_t xLow = 0, yLow = 0, xHigh = 0, yHigh = 0;   // extent, y up
};

class StrokeFont {
public:
    // (x, y) is the left end of the baseline; height is the capital height in database units;
    // widthPercent stretches the glyphs sideways (100 normal).
    static StrokeText Draw(std::string_view text, int32_t x, int32_t y, int32_t height,
                           int widthPercent);
    // Whether the font has its own glyph for c; other characters are drawn as a box.
    static bool HasGlyph(char c);
};

}  // namespace zelmdb
