// The rectangle the pads cover and the midpoint of their centres. A turned pad is measured by
// its box turned to the nearest whole degree at or below a quarter turn, which is what the
// preview scales by; round pads keep their unturned box.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "array/degree_trig.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "array/units_limits.h"

namespace {

struct Box {
    int64_t left, top, right, bottom;
};

Box Union(const Box& a, const Box& b) {
    return Box{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom)};
}

// Whole degrees folded into 1 to 90; from 91 up, the pad's width and height trade places.
int32_t FoldDegrees(int16_t rotation, int64_t& hx, int64_t& hy) {
    int32_t g = std::abs(int32_t(rotation)) / 60;
    if (g > 180) g -= 180;
    if (g >= 91 && g <= 180) {
        std::swap(hx, hy);
        while (g > 90) g -= 90;
    }
    return g;
}

// The boxes of the pads of one padstack. Every pad of one whole-degree angle turns by the same
// sine and cosine, and the angle seldom moves from one pad to the next, so they are kept.
class PadMeasure {
public:
    explicit PadMeasure(const PadstackInfo& pad)
        : halfWidth_(pad.Width() / 2), halfHeight_(pad.Height() / 2), round_(pad.Shape == zelmdb::PadShape::Round) {}
    Box Of(const PadSite& site);

private:
    int64_t halfWidth_, halfHeight_;
    bool round_;
    int32_t degrees_ = 0;   // what cos_ and sin_ are of; 0 is never turned
    double cos_ = 1, sin_ = 0;
};

Box PadMeasure::Of(const PadSite& site) {
    int64_t hx = halfWidth_;
    int64_t hy = halfHeight_;
    const int32_t g = FoldDegrees(site.Rotation, hx, hy);
    const int64_t X = site.X, Y = site.Y;
    const Box box{X - hx, Y - hy, X + hx, Y + hy};
    // Unturned, the turn below gives the box back exactly; most arrangements never turn a pad.
    if (round_ || g == 0) return box;
    if (g != degrees_) {
        degrees_ = g;
        cos_ = CosDeg(g);
        sin_ = SinDeg(g);
    }
    const double c = cos_, s = sin_;
    const auto dx = [&](int64_t v) { return double(v - X); };
    const auto dy = [&](int64_t v) { return double(v - Y); };
    return Box{TruncateToInt32(dx(box.left) * c + double(X) - dy(box.bottom) * s),
               TruncateToInt32(dy(box.top) * c + dx(box.left) * s + double(Y)),
               TruncateToInt32(dx(box.right) * c + double(X) - dy(box.top) * s),
               TruncateToInt32(dy(box.bottom) * c + dx(box.right) * s + double(Y))};
}

int32_t Clamp32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace

void ComputeBounds() { ComputeBounds(*CurrentPadList); }

namespace {

// The smallest and largest coordinates of some pads, and whether they are all turned alike.
struct Extent {
    int32_t minX, maxX, minY, maxY;
    bool oneTurn = true;
};

Extent ExtentOf(std::span<const PadSite> sites) {
    Extent e{sites[0].X, sites[0].X, sites[0].Y, sites[0].Y};
    const int16_t turn = sites[0].Rotation;
    for (const PadSite& site : sites) {
        e.minX = std::min(e.minX, site.X);
        e.maxX = std::max(e.maxX, site.X);
        e.minY = std::min(e.minY, site.Y);
        e.maxY = std::max(e.maxY, site.Y);
        e.oneTurn &= site.Rotation == turn;
    }
    return e;
}

// The box around the boxes of `sites`, all measured by `measure`.
Box BoundsOf(PadMeasure& measure, std::span<const PadSite> sites, const Extent& e) {
    // Turned alike, each side of a pad's box moves with one of its coordinates alone, and never
    // against it: the extremes of the coordinates give the sides.
    if (e.oneTurn) {
        PadSite corner;
        corner.Rotation = sites[0].Rotation;
        corner.X = e.minX;
        corner.Y = e.minY;
        const Box low = measure.Of(corner);
        corner.X = e.maxX;
        corner.Y = e.maxY;
        const Box high = measure.Of(corner);
        return Box{low.left, low.top, high.right, high.bottom};
    }
    Box bounds = measure.Of(sites[0]);
    for (const PadSite& site : sites.subspan(1)) bounds = Union(bounds, measure.Of(site));
    return bounds;
}

}  // namespace

void ComputeBounds(PadSiteList& list) {
    const std::span<const PadSite> sites = list.Sites();
    if (sites.empty()) return;
    Box bounds = PadMeasure(list.Pin1Pad).Of(sites[0]);
    Extent all{sites[0].X, sites[0].X, sites[0].Y, sites[0].Y};
    if (sites.size() > 1) {
        const Extent rest = ExtentOf(sites.subspan(1));
        PadMeasure measure(list.DefaultPad);
        bounds = Union(bounds, BoundsOf(measure, sites.subspan(1), rest));
        all = Extent{std::min(all.minX, rest.minX), std::max(all.maxX, rest.maxX),
                     std::min(all.minY, rest.minY), std::max(all.maxY, rest.maxY)};
    }
    list.Bounds = RECT{Clamp32(bounds.left), Clamp32(bounds.top), Clamp32(bounds.right),
                       Clamp32(bounds.bottom)};
    list.Center = POINT{int32_t((int64_t(all.minX) + all.maxX) / 2), int32_t((int64_t(all.minY) + all.maxY) / 2)};
}
