// Draws a padstack off screen on black and copies the box in one block, so the preview box
// never shows a half-drawn pad.
#include "padstack/padstack_drawing.h"

#include <algorithm>
#include <cmath>

#include "output/layer_colours.h"
#include "preview/pad_drawing.h"

namespace {

constexpr int kMargin = 10;   // both sides together

void DrawScaled(HDC dc, const PadstackInfo& pad, double scale, POINT centre) {
    const PadDrawing shape{pad.Shape, int(std::trunc(double(pad.Width()) * scale)),
                         int(std::trunc(double(pad.Height()) * scale)), pad.Rotation, pad.Colour,
                         double(pad.CornerRatio) / PadstackInfo::CornerRatioScale};
    // The drill shows whatever the pages' Display Drill says.
    DrawPadAndDrill(dc, shape, int(std::trunc(double(pad.Drill()) * scale)), DrillColour, centre);
}

}  // namespace

double PadstackDrawingScale(const RECT& box, const PadstackInfo& pad) {
    const double diagonal = std::hypot(double(pad.Width()), double(pad.Height()));
    if (diagonal == 0) return 0;
    return std::min((box.right - box.left - kMargin) / diagonal, (box.bottom - box.top - kMargin) / diagonal);
}

void DrawPadstack(HDC dc, const RECT& box, const PadstackInfo& pad) {
    const int bw = box.right - box.left, bh = box.bottom - box.top;
    if (bw <= 0 || bh <= 0) return;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, bw, bh);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, bw, bh, BLACKNESS);
    // A pad without size leaves the box black.
    if (const double scale = PadstackDrawingScale(box, pad); scale > 0)
        DrawScaled(memory, pad, scale, POINT{bw / 2, bh / 2});
    BitBlt(dc, box.left, box.top, bw, bh, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}
