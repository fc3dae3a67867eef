// One pad drawn around a centre in its shape and rotation, the same in the array preview's pad
// images and in the Select Padstack drawing.
#pragma once
#include <cstdint>

#include "host/zelmdb/pad_shape.h"
#include "platform/gdi/gdi.h"

// A pad as drawn: its shape and sizes in pixels. A shape without a name draws nothing.
struct PadDrawing {
    zelmdb::PadShape Shape = zelmdb::PadShape::None;
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
void DrawPadAndDrill(HDC dc, const PadDrawing& pad, int drill, COLORREF drillColour, POINT centre);
