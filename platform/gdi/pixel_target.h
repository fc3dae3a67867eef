// Where a drawing call's pixels go: a surface, the DC's origin and clip, and its mix mode.
#pragma once
#include <algorithm>

#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"

class PixelTarget {
public:
    PixelTarget(Surface* surface, POINT origin, RECT clip, int rop2)
        : m_surface(surface), m_origin(origin), m_clip(clip), m_rop2(rop2) {}

    // A target that ignores the mix mode (text, FillRect, opaque backgrounds).
    PixelTarget Copying() const { return PixelTarget(m_surface, m_origin, m_clip, R2_COPYPEN); }
    // The same target clipped further to a logical rectangle.
    PixelTarget ClippedTo(const RECT& logical) const;

    bool Valid() const { return m_surface != nullptr; }
    bool Copies() const { return m_rop2 == R2_COPYPEN; }

    // A solid copying line as the surface knows it: in its coordinates, with this clip.
    HeldLine LineOf(POINT a, POINT b, COLORREF colour) const {
        return {{a.x + m_origin.x, a.y + m_origin.y}, {b.x + m_origin.x, b.y + m_origin.y}, m_clip, colour & 0xFFFFFF};
    }
    bool Holds(const HeldLine& line) const { return m_surface->Holds(line); }
    void BeginLine(COLORREF colour) { m_surface->BeginLine(colour); }
    void Hold(const HeldLine& line) { m_surface->Hold(line); }
    // A pixel of such a line; `colour` is already a 24-bit colour.
    void PutLinePixel(int x, int y, COLORREF colour) {
        x += m_origin.x;
        y += m_origin.y;
        if (x < m_clip.left || x >= m_clip.right || y < m_clip.top || y >= m_clip.bottom) return;
        m_surface->PutLinePixel(x, y, colour);
    }

    void Plot(int x, int y, COLORREF colour) {
        x += m_origin.x;
        y += m_origin.y;
        if (x < m_clip.left || x >= m_clip.right || y < m_clip.top || y >= m_clip.bottom) return;
        COLORREF* p = m_surface->SpanOf(y, x, x + 1) + x;
        *p = Mix(colour, *p);
    }

    // Pixels x0..x1-1 of row y.
    void Span(int x0, int x1, int y, COLORREF colour) {
        y += m_origin.y;
        if (y < m_clip.top || y >= m_clip.bottom) return;
        x0 = std::max(x0 + m_origin.x, int(m_clip.left));
        x1 = std::min(x1 + m_origin.x, int(m_clip.right));
        if (x1 <= x0) return;
        COLORREF* row = m_surface->SpanOf(y, x0, x1);
        for (int x = x0; x < x1; ++x) row[x] = Mix(colour, row[x]);
    }

private:
    COLORREF Mix(COLORREF colour, COLORREF dest) const {
        return m_rop2 == R2_COPYPEN ? (colour & 0xFFFFFF) : ApplyRop2(m_rop2, colour, dest);
    }

    Surface* m_surface;
    POINT m_origin;
    RECT m_clip;   // surface coordinates, already inside the surface
    int m_rop2;
};
