// The canvas the drawing tests paint on; their pictures are compared by tests/support/golden_picture.h.
#pragma once
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "tests/support/golden_picture.h"

// A memory DC over a fresh bitmap filled with `background`, released by the destructor.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background = 0);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    const Surface& surface() const;
    COLORREF at(int x, int y) const { return surface().Pixel(x, y); }
    // Pixels of the given colour, and their bounding box.
    int Count(COLORREF colour) const;
    RECT Bounds(COLORREF colour) const;

private:
    HDC dc_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ previous_ = 0;
};
