// Each colour is looked up by one or two keys of the design's colour table, with a fallback.
#include "output/layer_colours.h"

#include <cstdint>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

COLORREF TopColour = 0x0000FF00;
COLORREF BottomColour = 0x000000FF;
COLORREF DrillColour = 0x007F7F7F;
COLORREF PadNameColour = 0x00FFFFFF;
COLORREF MarkerColour = 0x00FFFFFF;

namespace {

struct ColourKey {
    uint8_t kind, subKind;
    const char* layer;   // null: the fixed layer number below
    uint8_t layerNumber;
};

struct ColourRule {
    COLORREF* colour;
    ColourKey first;
    bool hasSecond;
    ColourKey second;
    COLORREF fallback;
};

const ColourRule kRules[] = {
    {&TopColour, {3, 0, "TOP", 0}, true, {1, 0, "TOP", 0}, 0x0000FF00},
    {&PadNameColour, {6, 4, nullptr, 255}, false, {}, 0x00FFFFFF},
    {&DrillColour, {3, 0, "DRILL", 0}, true, {1, 0, "DRILL", 0}, 0x007F7F7F},
    {&MarkerColour, {10, 0, nullptr, 255}, false, {}, 0x00FFFFFF},
    {&BottomColour, {3, 0, "BOT", 0}, true, {1, 0, "BOT", 0}, 0x000000FF},
};

bool FindColour(const ColourKey& key, COLORREF& colour) {
    uint8_t bytes[3] = {key.kind, key.subKind, key.layer ? LevFind(key.layer) : key.layerNumber};
    const int16_t index = DbColorFind(bytes);
    if (index == 0) return false;
    uint8_t out[zelmdb::ColorOutLayout::Size] = {};
    DbColorGet(index, out);
    colour = zelmdb::ReadOnly(out).U32(zelmdb::ColorOutLayout::Color);
    return true;
}

}  // namespace

void LoadLayerColours() {
    for (const ColourRule& rule : kRules) {
        if (FindColour(rule.first, *rule.colour)) continue;
        if (rule.hasSecond && FindColour(rule.second, *rule.colour)) continue;
        *rule.colour = rule.fallback;
    }
}
