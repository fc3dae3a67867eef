// Narrowing a pixel target to a logical rectangle.
#include "platform/gdi/pixel_target.h"

PixelTarget PixelTarget::ClippedTo(const RECT& logical) const {
    RECT c = clip_;
    c.left = std::max(c.left, logical.left + origin_.x);
    c.top = std::max(c.top, logical.top + origin_.y);
    c.right = std::min(c.right, logical.right + origin_.x);
    c.bottom = std::min(c.bottom, logical.bottom + origin_.y);
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return PixelTarget(surface_, origin_, c, rop2_);
}
