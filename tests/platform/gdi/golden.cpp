// The canvas the drawing tests paint on.
#include "tests/platform/gdi/golden.h"

#include <algorithm>

#include "platform/gdi/gdi.h"

Canvas::Canvas(int width, int height, COLORREF background) {
    dc_ = CreateCompatibleDC(0);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

const Surface& Canvas::surface() const { return *GdiBitmapSurface(bitmap_); }

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
