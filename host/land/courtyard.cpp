// Courtyards; see courtyard.h.
#include "host/land/courtyard.h"

#include <algorithm>

#include "host/land/grid_rounding.h"
#include "host/land/pad_places.h"

namespace land {
namespace {

void Include(Courtyard& c, const Rect& r) {
    c.x1 = std::min(c.x1, r.Left());
    c.y1 = std::min(c.y1, r.Top());
    c.x2 = std::max(c.x2, r.Right());
    c.y2 = std::max(c.y2, r.Bottom());
}

}  // namespace

Courtyard LeadedCourtyard(const LandPattern& p) {
    Courtyard c;
    Include(c, Rect{0, 0, p.bodyX.nominal, p.bodyY.nominal});
    for (const RowPairLands* pair : {&p.rowX, &p.rowY})
        if (pair->present) Include(c, RowPairExtent(*pair, p.pitch));
    if (p.ep.present) Include(c, p.ep.land.rect);
    const double e = p.courtyardExcess;
    return {RoundNearest(c.x1 - e, kCourtyardGrid), RoundNearest(c.y1 - e, kCourtyardGrid),
            RoundNearest(c.x2 + e, kCourtyardGrid), RoundNearest(c.y2 + e, kCourtyardGrid)};
}

Courtyard BgaCourtyard(const Dimension& bodyX, const Dimension& bodyY) {
    const double x = bodyX.nominal / 2 + kBgaCourtyardExcess, y = bodyY.nominal / 2 + kBgaCourtyardExcess;
    return {RoundDown(-x, kCourtyardGrid), RoundDown(-y, kCourtyardGrid), RoundUp(x, kCourtyardGrid),
            RoundUp(y, kCourtyardGrid)};
}

}  // namespace land
