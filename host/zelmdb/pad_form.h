// The host's own geometry of a padstack beyond a shape code and a size: chamfered corners, a
// trapezoid's delta, a polygon outline and a drill offset. A design keeps each distinct form once,
// and a padstack record names it by id in bytes the plug-in copies unread, so a turned copy keeps it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"

namespace zelmdb {

// The corners a chamfer cuts, top being +y in the pad's own frame.
enum ChamferCorner : uint8_t { ChamferTopLeft = 1, ChamferTopRight = 2, ChamferBottomLeft = 4, ChamferBottomRight = 8 };
constexpr uint8_t AllChamferCorners = 15;

struct ChamferCornerName {
    ChamferCorner corner;
    const char* option;   // on orvex's command line
    const char* kicad;
};
inline constexpr ChamferCornerName ChamferCornerNames[] = {
    {ChamferTopLeft, "tl", "top_left"},
    {ChamferTopRight, "tr", "top_right"},
    {ChamferBottomLeft, "bl", "bottom_left"},
    {ChamferBottomRight, "br", "bottom_right"},
};

struct FormPoint {
    int32_t x = 0, y = 0;
    bool operator==(const FormPoint&) const = default;
};

// Lengths in database units, in the pad's own frame (before its rotation), y up.
struct PadForm {
    uint16_t chamferRatio = 0;    // ten-thousandths of the shorter side; 0 for no chamfer
    uint8_t chamferCorners = 0;
    // A trapezoid: the side at -x is deltaX longer than the pad's height and the side at +x as
    // much shorter; deltaY likewise for the sides at -y and +y against its width. One is 0.
    int32_t deltaX = 0, deltaY = 0;
    std::vector<FormPoint> polygon;   // a custom pad's outline about its origin; none for fewer than 3
    int32_t drillOffsetX = 0, drillOffsetY = 0;   // the drill's centre from the pad's

    bool Empty() const { return *this == PadForm{}; }
    bool operator==(const PadForm&) const = default;
};

constexpr int ChamferRatioScale = 10000;
constexpr int MaxChamferRatio = ChamferRatioScale / 2;   // corners cut to the middle of the shorter side
// Enough for any pad a datasheet draws, and a form stays a small record.
constexpr size_t MaxPolygonPoints = 1000;

// Equal forms give equal bytes, so the store can keep each once and compare them as bytes.
std::string EncodePadForm(const PadForm& form);
// Refuses bytes EncodePadForm does not write, saying what is wrong.
Result<PadForm> DecodePadForm(std::string_view bytes);

// Whether the points outline a pad: at least 3, no point twice in a row, no edge crossing,
// touching or folding back over another, and some area.
Status CheckPolygon(const std::vector<FormPoint>& points);
// Strictly inside: a point on an edge is not.
bool InsidePolygon(const std::vector<FormPoint>& points, int64_t x, int64_t y);
// The distance from (x, y) to the nearest edge.
double DistanceToOutline(const std::vector<FormPoint>& points, double x, double y);

}  // namespace zelmdb
