// The preview's scale and its mapping from design units to client pixels, y flipped.
#include "preview/preview_scale.h"

#include <algorithm>
#include <cmath>

PreviewScale::PreviewScale(const RECT& bounds, int clientWidth, int clientHeight)
    : left_(bounds.left), top_(bounds.top), right_(clientWidth), bottom_(clientHeight) {
    int64_t w = int64_t(bounds.right) - bounds.left, h = int64_t(bounds.bottom) - bounds.top;
    // Pads of no size: the scale of a one-unit box rather than an unbounded one.
    if (w == 0 && h == 0) w = h = 1;
    s_ = std::min((clientWidth - 20) / double(w), (clientHeight - 20) / double(h));
    halfWidth_ = int32_t(std::trunc(s_ * double(w / 2)));
    halfHeight_ = int32_t(std::trunc(s_ * double(h / 2)));
}

int32_t PreviewScale::UnflippedY(int32_t y) const {
    return int32_t(std::trunc(double(int64_t(y) - top_) * s_)) - halfHeight_ + bottom_ / 2;
}

POINT PreviewScale::ToWindow(int32_t x, int32_t y) const {
    const int32_t wx = int32_t(std::trunc(double(int64_t(x) - left_) * s_)) - halfWidth_ + right_ / 2;
    return POINT{wx, bottom_ - UnflippedY(y)};
}
