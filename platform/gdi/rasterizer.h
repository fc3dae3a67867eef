// Scan conversion of the shapes: lines (cosmetic, styled and wide), rectangles, ellipses, polygons.
#pragma once
#include <vector>

#include "platform/gdi/pixel_target.h"

struct PenSpec {
    int style = 0;   // PS_SOLID, PS_DASH, PS_DOT or PS_NULL
    int width = 0;
    COLORREF colour = 0;
};

struct BrushSpec {
    bool hollow = true;
    COLORREF colour = 0;
};

struct LineBackground {
    bool opaque = false;   // gaps of styled lines take the background colour
    COLORREF colour = 0;
};

// One span [x0, x1) per row from `top`, empty rows with x0 >= x1.
struct RowSpans {
    int top = 0;
    std::vector<std::pair<int, int>> rows;
};

class Rasterizer {
public:
    explicit Rasterizer(PixelTarget target) : target_(target) {}

    // From a to b, b itself excluded for pens of width 0 and 1 (as the platform does);
    // wider pens draw a round-ended stroke. `phase` carries the style pattern along a path.
    void Line(POINT a, POINT b, const PenSpec& pen, const LineBackground& bk, int& phase);
    // Styled pens draw their pattern round the outline; its gaps take `bk` when opaque.
    void Rectangle(RECT box, const PenSpec& pen, const BrushSpec& brush, const LineBackground& bk);
    void Ellipse(RECT box, const PenSpec& pen, const BrushSpec& brush, const LineBackground& bk);
    void Polygon(const POINT* points, int count, const PenSpec& pen, const BrushSpec& brush,
                 const LineBackground& bk, int& phase);
    void FillRect(RECT box, COLORREF colour);

    static RowSpans EllipseSpans(RECT box);

private:
    void CosmeticLine(POINT a, POINT b, const PenSpec& pen, const LineBackground& bk, int& phase);
    void SolidLine(POINT a, POINT b, COLORREF colour, int& phase);
    void WideLine(POINT a, POINT b, const PenSpec& pen);
    void FillWithOutline(const RowSpans& spans, const PenSpec& pen, const BrushSpec& brush,
                         const LineBackground& bk);

    PixelTarget target_;
};

RECT NormalisedRect(RECT r);
