// Geometry of a padstack as placement, the previews and creation need it.
#pragma once
#include <cstdint>

#include "host/zelmdb/pad_shape.h"
#include "platform/win/win_types.h"

struct PadstackInfo {
    zelmdb::PadShape Shape = zelmdb::PadShape::None;   // a round pad's box is not turned
    int32_t Extents[4] = {};     // database units: the first two make the width, the last two the height
    int16_t Rotation = 0;        // minutes of arc
    int32_t DrillExtents[2] = {};
    COLORREF Colour = 0;
    // The host's rounding of a rectangular pad's corners, in ten-thousandths of the shorter side.
    // Only drawn: what the plug-in decides goes by the shape code alone.
    uint16_t CornerRatio = 0;
    static constexpr int CornerRatioScale = 10000;

    // Summed in 64 bits: extents come from host records and need not be sane.
    int64_t Width() const { return int64_t(Extents[0]) + Extents[1]; }
    int64_t Height() const { return int64_t(Extents[2]) + Extents[3]; }
    int64_t Drill() const { return int64_t(DrillExtents[0]) + DrillExtents[1]; }
};
