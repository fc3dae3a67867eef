// Glyphs on a 5 x 9 grid: x 0..4, baseline at y 2, capitals up to 8, descenders down to 0.
// A glyph is polylines of "xy" digit pairs separated by blanks.
#include "host/zelmdb/stroke_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace zelmdb {

namespace {

constexpr int Baseline = 2;
constexpr int CapHeight = 6;   // grid units from the baseline to the top of a capital
constexpr int Advance = 6;     // grid units from one glyph to the next
constexpr int GlyphWidth = 4;

struct Glyph {
    char c;
    const char* strokes;
};

const Glyph Glyphs[] = {
    {'A', "0206284642 0545"}, {'B', "02083847463505 3544433202"}, {'C', "4738180703123243"},
    {'D', "02082846442202"}, {'E', "48080242 0535"}, {'F', "480802 0535"},
    {'G', "47381807031232434525"}, {'H', "0208 4248 0545"}, {'I', "1838 2822 1232"},
    {'J', "4843321203"}, {'K', "0208 4804 1542"}, {'L', "080242"}, {'M', "0208254842"},
    {'N', "02084248"}, {'O', "120307183847433212"}, {'P', "02083847463505"},
    {'Q', "120307183847433212 2442"}, {'R', "02083847463505 2542"},
    {'S', "473818070615354443321203"}, {'T', "0848 2822"}, {'U', "080312324348"},
    {'V', "082248"}, {'W', "0812253248"}, {'X', "0842 4802"}, {'Y', "082548 2522"},
    {'Z', "08480242"},
    {'a', "16364542 4414031242"}, {'b', "08023243453606"}, {'c', "461605031242"},
    {'d', "48421203051646"}, {'e', "044445361605031242"}, {'f', "48382722 1636"},
    {'g', "46413010 461605031242"}, {'h', "0802 06364542"}, {'i', "2622 2827"},
    {'j', "36312010 3837"}, {'k', "0802 4604 1442"}, {'l', "182822 1232"},
    {'m', "0206 05162522 25364542"}, {'n', "0206 0516364542"}, {'o', "120305163645433212"},
    {'p', "00063645433202"}, {'q', "40461605031242"}, {'r', "0206 042646"},
    {'s', "4616051434433202"}, {'t', "28233242 1636"}, {'u', "0603123243 4642"},
    {'v', "062246"}, {'w', "0612243246"}, {'x', "0642 4602"}, {'y', "0622 4610"},
    {'z', "06460242"},
    {'0', "120307183847433212 0347"}, {'1', "172822 1232"}, {'2', "07183847460242"},
    {'3', "0718384746354443321203 1535"}, {'4', "32380444"}, {'5', "4808053544433202"},
    {'6', "38180703123243443505"}, {'7', "084812"}, {'8', "15060718384746351504031232434435"},
    {'9', "45150607183847433212"},
    {'-', "1535"}, {'_', "0141"}, {'.', "2223"}, {',', "232211"}, {'(', "38272332"},
    {')', "18272312"}, {'[', "38282232"}, {']', "18282212"}, {'/', "0248"}, {'\\', "0842"},
    {'+', "2327 0545"}, {'#', "1218 3238 0444 0646"}, {'&', "421728370403122244"},
    {'\'', "2826"}, {':', "2324 2627"}, {'!', "2824 2322"}, {'?', "07183847462524 2322"},
    {'*', "2327 0446 0644"}, {'=', "0444 0646"}, {'<', "480542"}, {'>', "084502"},
    {'|', "2822"}, {' ', ""},
};

// Drawn for characters the font lacks, so that a name never silently loses a character.
const char* const MissingGlyph = "0208484202";

// Indexed by the character's byte: every name's every character asks.
const std::array<const char*, 256>& GlyphTable() {
    static const std::array<const char*, 256> table = [] {
        std::array<const char*, 256> t;
        t.fill(MissingGlyph);
        for (const auto& g : Glyphs) t[uint8_t(g.c)] = g.strokes;
        return t;
    }();
    return table;
}

const char* StrokesOf(char c) { return GlyphTable()[uint8_t(c)]; }

int32_t Scale(int64_t gridUnits, int64_t height, int64_t percent) {
    // Rounded, not truncated, so that glyph corners meet at every height.
    const double v = double(gridUnits) * double(height) * double(percent) / (CapHeight * 100.0);
    return int32_t(std::llround(std::clamp(v, -2147483648.0, 2147483647.0)));
}

}  // namespace

bool StrokeFont::HasGlyph(char c) { return StrokesOf(c) != MissingGlyph; }

StrokeText StrokeFont::Draw(std::string_view text, int32_t x, int32_t y, int32_t height,
                            int widthPercent) {
    StrokeText out;
    const int percent = widthPercent <= 0 ? 100 : widthPercent;
    const int64_t n = int64_t(text.size());
    out.xLow = x;
    out.yLow = y;
    out.xHigh = n == 0 ? x : x + Scale(n * Advance - (Advance - GlyphWidth), height, percent);
    out.yHigh = n == 0 ? y : y + height;
    for (int64_t i = 0; i < n; ++i) {
        const char* s = StrokesOf(text[size_t(i)]);
        const int64_t originX = i * Advance;
        bool havePoint = false;
        int32_t px = 0, py = 0;
        for (; *s != '\0'; ++s) {
            if (*s == ' ') {
                havePoint = false;
                continue;
            }
            const int gx = s[0] - '0';
            const int gy = s[1] - '0';
            ++s;
            const int32_t qx = x + Scale(originX + gx, height, percent);
            const int32_t qy = y + Scale(gy - Baseline, height, 100);
            if (havePoint) out.segments.push_back({px, py, qx, qy});
            px = qx;
            py = qy;
            havePoint = true;
            out.yLow = std::min(out.yLow, qy);
        }
    }
    return out;
}

}  // namespace zelmdb
