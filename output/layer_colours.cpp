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
    uint8_t kind = 0, subKind = 0;
    const char* layer = nullptr;   // null: the fixed layer number below
    uint8_t layerNumber = 0;
};

struct ColourRule {
    COLORREF* colour;
    ColourKey first;
    bool hasSecond;
    ColourKey second = {};
    COLORREF fallback;
};

const ColourRule kRules[] = {
    {.colour = &TopColour, .first = {.kind = 3, .layer = "TOP"}, .hasSecond = true,
     .second = {.kind = 1, .layer = "TOP"}, .fallback = 0x0000FF00},
    {.colour = &PadNameColour, .first = {.kind = 6, .subKind = 4, .layerNumber = 255},
     .hasSecond = false, .fallback = 0x00FFFFFF},
    {.colour = &DrillColour, .first = {.kind = 3, .layer = "DRILL"}, .hasSecond = true,
     .second = {.kind = 1, .layer = "DRILL"}, .fallback = 0x007F7F7F},
    {.colour = &MarkerColour, .first = {.kind = 10, .layerNumber = 255},
     .hasSecond = false, .fallback = 0x00FFFFFF},
    {.colour = &BottomColour, .first = {.kind = 3, .layer = "BOT"}, .hasSecond = true,
     .second = {.kind = 1, .layer = "BOT"}, .fallback = 0x000000FF},
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
