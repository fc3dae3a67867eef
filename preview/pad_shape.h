// One pad drawn around a centre in its shape and rotation, the same in the array preview's pad
// images and in the Select Padstack drawing.
#pragma once
#include <cstdint>

#include "platform/gdi/gdi.h"

struct PadShape {
    int16_t Shape = 0;      // 1 round, 2 and 4 rectangular, 3 oblong; others draw nothing
    int Width = 0;          // pixels
    int Height = 0;
    int16_t Rotation = 0;   // minutes of arc
    COLORREF Colour = 0;    // of the oblong's wide pen
    double CornerRatio = 0; // a rectangular pad's corner radius over its shorter side
};

// Selects a solid pen and brush of one colour for one drawing step, and deletes them after.
class SolidTools {
public:
    SolidTools(HDC dc, COLORREF colour);
    ~SolidTools();
    SolidTools(const SolidTools&) = delete;
    SolidTools& operator=(const SolidTools&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_, oldBrush_;
};

// The pad in its colour, then, when `drill` is above 0, a hole of that many pixels on top.
void DrawPadAndDrill(HDC dc, const PadShape& pad, int drill, COLORREF drillColour, POINT centre);
