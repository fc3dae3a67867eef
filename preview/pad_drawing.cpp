// Pads as polygons and ellipses, turned about their centre counter-clockwise on screen, with
// the drill drawn over them.
#include "preview/pad_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "array/degree_trig.h"

namespace {

constexpr int kFullTurn = 21600;   // minutes

// Counter-clockwise on screen, hence the negated rotation.
double DrawingAngle(int rotation) {
    int minutes = -rotation;
    while (minutes < 0) minutes += kFullTurn;
    return minutes / 60.0;
}

// A point about the pad's centre, turned by the drawing angle and moved onto `centre`.
struct Turn {
    double angle, co, si;
    POINT centre;
    explicit Turn(double a, POINT c) : angle(a), co(CosDeg(a)), si(SinDeg(a)), centre(c) {}
    POINT operator()(double x, double y) const {
        if (angle != 0) {
            const double turned = std::trunc(x * co - y * si);
            y = std::trunc(y * co + x * si);
            x = turned;
        }
        return POINT{LONG(x) + centre.x, LONG(y) + centre.y};
    }
};

void DrawRectangular(HDC dc, const PadDrawing& pad, const Turn& turn) {
    const int w = pad.Width, h = pad.Height;
    POINT corners[5] = {{0, 0}, {0, h}, {w, h}, {w, 0}, {0, 0}};
    for (POINT& p : corners) p = turn(p.x - w / 2, p.y - h / 2);
    Polygon(dc, corners, 5);
}

// The rectangle with each corner a quarter circle, as a polygon of short chords.
void DrawRounded(HDC dc, const PadDrawing& pad, double radius, const Turn& turn) {
    const int w = pad.Width, h = pad.Height;
    const double left = -(w / 2), top = -(h / 2), right = w - w / 2, bottom = h - h / 2;
    const double centres[4][2] = {{right - radius, bottom - radius}, {left + radius, bottom - radius},
                                  {left + radius, top + radius}, {right - radius, top + radius}};
    // About one chord per two pixels of arc keeps the corner smooth at any size.
    const int chords = std::clamp(int(radius), 2, 16);
    std::vector<POINT> outline;
    for (int corner = 0; corner < 4; ++corner) {
        for (int i = 0; i <= chords; ++i) {
            const double a = 90.0 * corner + 90.0 * i / chords;
            outline.push_back(turn(std::round(centres[corner][0] + radius * CosDeg(a)),
                                   std::round(centres[corner][1] + radius * SinDeg(a))));
        }
    }
    Polygon(dc, outline.data(), int(outline.size()));
}

// A line of a pen as wide as the short side; its round ends make the oblong.
void DrawOblong(HDC dc, const PadDrawing& pad, POINT centre, double angle) {
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
void DrawPadShape(HDC dc, const PadDrawing& pad, POINT centre) {
    const double angle = DrawingAngle(pad.Rotation);
    const int left = centre.x - pad.Width / 2, top = centre.y - pad.Height / 2;
    // A corner under a pixel draws as the sharp rectangle it looks like.
    const double radius = std::min(pad.CornerRatio, 0.5) * std::min(pad.Width, pad.Height);
    switch (pad.Shape) {
        case zelmdb::PadShape::Round: Ellipse(dc, left, top, left + pad.Width, top + pad.Height); break;
        case zelmdb::PadShape::Square:
        case zelmdb::PadShape::Rectangle:
            if (radius >= 1) {
                DrawRounded(dc, pad, radius, Turn(angle, centre));
            } else {
                DrawRectangular(dc, pad, Turn(angle, centre));
            }
            break;
        case zelmdb::PadShape::Oblong: DrawOblong(dc, pad, centre, angle); break;
        default: break;
    }
}

}  // namespace

void DrawPadAndDrill(HDC dc, const PadDrawing& pad, int drill, COLORREF drillColour, POINT centre) {
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
