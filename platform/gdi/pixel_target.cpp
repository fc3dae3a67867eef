// Narrowing a pixel target to a logical rectangle.
#include "platform/gdi/pixel_target.h"

PixelTarget PixelTarget::ClippedTo(const RECT& logical) const {
    RECT c = m_clip;
    c.left = std::max(c.left, logical.left + m_origin.x);
    c.top = std::max(c.top, logical.top + m_origin.y);
    c.right = std::min(c.right, logical.right + m_origin.x);
    c.bottom = std::min(c.bottom, logical.bottom + m_origin.y);
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return PixelTarget(m_surface, m_origin, c, m_rop2);
}
