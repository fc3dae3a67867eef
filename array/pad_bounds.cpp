// The rectangle the pads cover and the midpoint of their centres. A turned pad is measured by
// its box turned to the nearest whole degree at or below a quarter turn, which is what the
// preview scales by; round pads keep their unturned box.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "array/degree_trig.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "array/units_limits.h"

namespace {

struct Box {
    int64_t left, top, right, bottom;
};

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
        : halfWidth_(pad.Width() / 2), halfHeight_(pad.Height() / 2), round_(pad.Shape == kRoundPadShape) {}
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

void ComputeBounds(PadSiteList& list) {
    const auto& sites = list.Sites();
    if (sites.empty()) return;
    Box bounds = PadMeasure(list.Pin1Pad).Of(sites[0]);
    PadMeasure measure(list.DefaultPad);
    int64_t minX = sites[0].X, maxX = minX, minY = sites[0].Y, maxY = minY;
    for (size_t i = 1; i < sites.size(); ++i) {
        const Box box = measure.Of(sites[i]);
        bounds.left = std::min(bounds.left, box.left);
        bounds.top = std::min(bounds.top, box.top);
        bounds.right = std::max(bounds.right, box.right);
        bounds.bottom = std::max(bounds.bottom, box.bottom);
        minX = std::min<int64_t>(minX, sites[i].X);
        maxX = std::max<int64_t>(maxX, sites[i].X);
        minY = std::min<int64_t>(minY, sites[i].Y);
        maxY = std::max<int64_t>(maxY, sites[i].Y);
    }
    list.Bounds = RECT{Clamp32(bounds.left), Clamp32(bounds.top), Clamp32(bounds.right),
                       Clamp32(bounds.bottom)};
    list.Center = POINT{int32_t((minX + maxX) / 2), int32_t((minY + maxY) / 2)};
}
