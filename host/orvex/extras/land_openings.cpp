// A package's exposed-pad openings; see land_openings.h.
#include "host/orvex/extras/land_openings.h"

#include <cmath>

#include "host/land/row_pair.h"
#include "host/zelmdb/record_layout.h"

namespace {

// The opening about the pad's centre: the land pattern's y points down, the design's up.
PasteWindow About(const land::Rect& opening, const land::Rect& pad, double mmPerUnit) {
    const auto units = [mmPerUnit](double mm) { return int32_t(std::lround(mm / mmPerUnit)); };
    return {units(opening.cx - pad.cx), units(pad.cy - opening.cy), units(opening.w), units(opening.h),
            uint16_t(std::lround(OpeningCornerRatio(opening) * zelmdb::CornerRatioScale))};
}

}  // namespace

bool OwnMaskOpening(const land::Rect& land, const land::Rect& mask) {
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-9; };
    return !(near(land.cx, mask.cx) && near(land.cy, mask.cy) && near(land.w, mask.w) && near(land.h, mask.h));
}

double OpeningCornerRatio(const land::Rect& opening) { return land::CornerOf(opening.w, opening.h).ratio; }

LandOpenings LandEpOpenings(const LandEpRecord& ep, double mmPerUnit) {
    LandOpenings openings;
    for (const land::Rect& window : ep.paste) openings.paste.push_back(About(window, ep.land, mmPerUnit));
    if (OwnMaskOpening(ep.land, ep.mask)) openings.mask = About(ep.mask, ep.land, mmPerUnit);
    return openings;
}
