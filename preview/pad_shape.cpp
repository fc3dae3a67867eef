#include "preview/pad_shape.h"

#include <cmath>

#include "array/degree_trig.h"

namespace {

constexpr int kFullTurn = 21600;   // minutes

// Counter-clockwise on screen, hence the negated rotation.
double DrawingAngle(int rotation) {
    int minutes = -rotation;
    while (minutes < 0) minutes += kFullTurn;
    return minutes / 60.0;
}

void DrawRectangular(HDC dc, const PadShape& pad, POINT centre, double angle) {
    const double co = CosDeg(angle), si = SinDeg(angle);
    const int w = pad.Width, h = pad.Height;
    POINT corners[5] = {{0, 0}, {0, h}, {w, h}, {w, 0}, {0, 0}};
    for (POINT& p : corners) {
        double x = p.x - w / 2, y = p.y - h / 2;
        if (angle != 0) {
            const double turned = std::trunc(x * co - y * si);
            y = std::trunc(y * co + x * si);
            x = turned;
        }
        p = {LONG(x) + centre.x, LONG(y) + centre.y};
    }
    Polygon(dc, corners, 5);
}

// A line of a pen as wide as the short side; its round ends make the oblong.
void DrawOblong(HDC dc, const PadShape& pad, POINT centre, double angle) {
    int stroke = pad.Height;
    if (pad.Height > pad.Width) {
        int minutes = -pad.Rotation + 5400;
        if (minutes >= kFullTurn) minutes -= kFullTurn;
        angle = minutes / 60.0;
        stroke = pad.Width;
    }
    const int half = (pad.Width - pad.Height) / 2;
    const int dx = int(std::trunc(half * CosDeg(angle))), dy = int(std::trunc(half * SinDeg(angle)));
    HPEN pen = CreatePen(PS_SOLID, stroke, pad.Colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, centre.x + dx, centre.y + dy, nullptr);
    LineTo(dc, centre.x - dx, centre.y - dy);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// With the pad pen and brush selected.
void DrawPadShape(HDC dc, const PadShape& pad, POINT centre) {
    const double angle = DrawingAngle(pad.Rotation);
    const int left = centre.x - pad.Width / 2, top = centre.y - pad.Height / 2;
    switch (pad.Shape) {
        case 1: Ellipse(dc, left, top, left + pad.Width, top + pad.Height); break;
        case 2:
        case 4: DrawRectangular(dc, pad, centre, angle); break;
        case 3: DrawOblong(dc, pad, centre, angle); break;
        default: break;
    }
}

}  // namespace

void DrawPadAndDrill(HDC dc, const PadShape& pad, int drill, COLORREF drillColour, POINT centre) {
    {
        SolidTools tools(dc, pad.Colour);
        DrawPadShape(dc, pad, centre);
    }
    if (drill <= 0) return;
    SolidTools tools(dc, drillColour);
    const int left = centre.x - drill / 2, top = centre.y - drill / 2;
    Ellipse(dc, left, top, left + drill, top + drill);
}

SolidTools::SolidTools(HDC dc, COLORREF colour)
    : dc_(dc), pen_(CreatePen(PS_SOLID, 1, colour)), brush_(CreateSolidBrush(colour)),
      oldPen_(SelectObject(dc, pen_)), oldBrush_(SelectObject(dc, brush_)) {}

SolidTools::~SolidTools() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
}
