// Where a drawing call's pixels go: a surface, the DC's origin and clip, and its mix mode.
#pragma once
#include <algorithm>

#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"

class PixelTarget {
public:
    PixelTarget(Surface* surface, POINT origin, RECT clip, int rop2)
        : surface_(surface), origin_(origin), clip_(clip), rop2_(rop2) {}

    // A target that ignores the mix mode (text, FillRect, opaque backgrounds).
    PixelTarget Copying() const { return PixelTarget(surface_, origin_, clip_, R2_COPYPEN); }
    // The same target clipped further to a logical rectangle.
    PixelTarget ClippedTo(const RECT& logical) const;

    bool Valid() const { return surface_ != nullptr; }
    bool Copies() const { return rop2_ == R2_COPYPEN; }

    // A solid copying line as the surface knows it: in its coordinates, with this clip.
    HeldLine LineOf(POINT a, POINT b, COLORREF colour) const {
        return {{a.x + origin_.x, a.y + origin_.y}, {b.x + origin_.x, b.y + origin_.y}, clip_, colour & 0xFFFFFF};
    }
    bool Holds(const HeldLine& line) const { return surface_->Holds(line); }
    void BeginLine(COLORREF colour) { surface_->BeginLine(colour); }
    void Hold(const HeldLine& line) { surface_->Hold(line); }
    // A pixel of such a line; `colour` is already a 24-bit colour.
    void PutLinePixel(int x, int y, COLORREF colour) {
        x += origin_.x;
        y += origin_.y;
        if (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) return;
        surface_->PutLinePixel(x, y, colour);
    }

    void Plot(int x, int y, COLORREF colour) {
        x += origin_.x;
        y += origin_.y;
        if (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) return;
        COLORREF* p = surface_->SpanOf(y, x, x + 1) + x;
        *p = Mix(colour, *p);
    }

    // Pixels x0..x1-1 of row y.
    void Span(int x0, int x1, int y, COLORREF colour) {
        y += origin_.y;
        if (y < clip_.top || y >= clip_.bottom) return;
        x0 = std::max(x0 + origin_.x, int(clip_.left));
        x1 = std::min(x1 + origin_.x, int(clip_.right));
        if (x1 <= x0) return;
        COLORREF* row = surface_->SpanOf(y, x0, x1);
        for (int x = x0; x < x1; ++x) row[x] = Mix(colour, row[x]);
    }

private:
    COLORREF Mix(COLORREF colour, COLORREF dest) const {
        return rop2_ == R2_COPYPEN ? (colour & 0xFFFFFF) : ApplyRop2(rop2_, colour, dest);
    }

    Surface* surface_;
    POINT origin_;
    RECT clip_;   // surface coordinates, already inside the surface
    int rop2_;
};
