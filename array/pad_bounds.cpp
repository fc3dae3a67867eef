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

Box PadBox(const PadSite& site, const PadstackInfo& pad) {
    int64_t hx = pad.Width() / 2;
    int64_t hy = pad.Height() / 2;
    const int32_t g = FoldDegrees(site.Rotation, hx, hy);
    const int64_t X = site.X, Y = site.Y;
    const Box box{X - hx, Y - hy, X + hx, Y + hy};
    // Unturned, the turn below gives the box back exactly; most arrangements never turn a pad.
    if (pad.Shape == kRoundPadShape || g == 0) return box;
    const double c = CosDeg(g), s = SinDeg(g);
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
    Box bounds = PadBox(sites[0], list.Pin1Pad);
    int64_t minX = sites[0].X, maxX = minX, minY = sites[0].Y, maxY = minY;
    for (size_t i = 1; i < sites.size(); ++i) {
        const Box box = PadBox(sites[i], list.DefaultPad);
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
