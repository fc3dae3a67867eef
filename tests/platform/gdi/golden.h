// Comparing a drawing with its golden PNG, pixel for pixel.
#pragma once
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"

// Compares with tests/data/gdi/NAME.png. On a mismatch the actual picture is written beside the
// build's test output as NAME.actual.png. With TESSRA_UPDATE_GOLDEN=1 a golden is (re)written.
::testing::AssertionResult MatchesGolden(const Surface& actual, const char* name);

// A memory DC over a fresh bitmap filled with `background`, released by the destructor.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background = 0);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    const Surface& surface() const;
    COLORREF at(int x, int y) const { return surface().Pixel(x, y); }
    // Pixels of the given colour, and their bounding box.
    int Count(COLORREF colour) const;
    RECT Bounds(COLORREF colour) const;

private:
    HDC m_dc = 0;
    HBITMAP m_bitmap = 0;
    HGDIOBJ m_previous = 0;
};
