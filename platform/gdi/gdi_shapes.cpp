// Lines and filled shapes with the DC's pen, brush and mix mode.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"

namespace {
DeviceContext* DC(HDC h) { return GdiTables::Instance().DC(h); }
}

BOOL MoveToEx(HDC h, int x, int y, POINT* previous) {
    DeviceContext* dc = DC(h);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = {x, y};
    dc->dashPhase = 0;
    return TRUE;
}

BOOL LineTo(HDC h, int x, int y) {
    DeviceContext* dc = DC(h);
    if (!dc) return FALSE;
    Rasterizer(TargetFor(*dc)).Line(dc->position, {x, y}, PenOf(*dc), BackgroundOf(*dc),
                                    dc->dashPhase);
    dc->position = {x, y};
    return TRUE;
}

BOOL Rectangle(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = DC(h);
    if (!dc) return FALSE;
    Rasterizer(TargetFor(*dc)).Rectangle({left, top, right, bottom}, PenOf(*dc), BrushOf(*dc),
                                         BackgroundOf(*dc));
    return TRUE;
}

BOOL Ellipse(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = DC(h);
    if (!dc) return FALSE;
    Rasterizer(TargetFor(*dc)).Ellipse({left, top, right, bottom}, PenOf(*dc), BrushOf(*dc), BackgroundOf(*dc));
    return TRUE;
}

BOOL Polygon(HDC h, const POINT* points, int count) {
    DeviceContext* dc = DC(h);
    if (!dc || !points || count < 2) return FALSE;
    int phase = 0;
    Rasterizer(TargetFor(*dc)).Polygon(points, count, PenOf(*dc), BrushOf(*dc),
                                       BackgroundOf(*dc), phase);
    return TRUE;
}

int FillRect(HDC h, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = DC(h);
    const GdiObject* b = GdiTables::Instance().Object(brush);
    if (!dc || !rect || !b || b->kind != GdiKind::Brush) return 0;
    if (!b->hollow) Rasterizer(TargetFor(*dc).Copying()).FillRect(*rect, b->colour);
    return 1;
}
