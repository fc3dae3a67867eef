// The canvas the drawing tests paint on.
#include "tests/platform/gdi/golden.h"

#include <algorithm>

#include "platform/gdi/gdi.h"

Canvas::Canvas(int width, int height, COLORREF background) {
    m_dc = CreateCompatibleDC(0);
    m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
    m_previous = SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(m_dc, m_previous);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

const Surface& Canvas::surface() const { return *GdiBitmapSurface(m_bitmap); }

int Canvas::Count(COLORREF colour) const {
    int n = 0;
    const Surface& s = surface();
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) n += s.Pixel(x, y) == colour;
    return n;
}

RECT Canvas::Bounds(COLORREF colour) const {
    const Surface& s = surface();
    RECT r{s.Width(), s.Height(), -1, -1};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == colour) {
                r.left = std::min(r.left, LONG(x));
                r.top = std::min(r.top, LONG(y));
                r.right = std::max(r.right, LONG(x));
                r.bottom = std::max(r.bottom, LONG(y));
            }
    return r;
}
