// Making, selecting and deleting drawing objects and device contexts.
#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"

namespace {

HGDIOBJ AddObject(GdiObject object) {
    return GdiTables::Instance().objects.Add(std::make_unique<GdiObject>(std::move(object)));
}

HDC AddDC(DeviceContext dc) {
    dc.pen = GdiTables::Instance().Stock(BLACK_PEN);
    dc.brush = GdiTables::Instance().Stock(WHITE_BRUSH);
    dc.font = 0;   // the system font is made when text first needs it
    for (HGDIOBJ h : {dc.pen, dc.brush, dc.bitmap})
        if (GdiObject* o = GdiTables::Instance().Object(h)) ++o->selections;
    return GdiTables::Instance().dcs.Add(std::make_unique<DeviceContext>(dc));
}

HGDIOBJ& SlotFor(DeviceContext& dc, GdiKind kind) {
    switch (kind) {
    case GdiKind::Pen: return dc.pen;
    case GdiKind::Brush: return dc.brush;
    case GdiKind::Font: return dc.font;
    default: return dc.bitmap;
    }
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_NULL) return 0;
    GdiObject o;
    o.kind = GdiKind::Pen;
    o.style = style;
    o.width = width < 0 ? 0 : width;
    o.colour = colour & 0xFFFFFF;
    return AddObject(std::move(o));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    GdiObject o;
    o.kind = GdiKind::Brush;
    o.colour = colour & 0xFFFFFF;
    return AddObject(std::move(o));
}

HGDIOBJ GetStockObject(int which) { return GdiTables::Instance().Stock(which); }

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (!GdiTables::Instance().DC(dc) || width < 0 || height < 0) return 0;
    GdiObject o;
    o.kind = GdiKind::Bitmap;
    o.pixels.Resize(width, height);
    return AddObject(std::move(o));
}

HGDIOBJ SelectObject(HDC h, HGDIOBJ object) {
    DeviceContext* dc = GdiTables::Instance().DC(h);
    GdiObject* o = GdiTables::Instance().Object(object);
    if (!dc || !o) return 0;
    if (o->kind == GdiKind::Bitmap) {
        // A bitmap lives in at most one memory DC at a time, and never in a window DC.
        if (!dc->memory) return 0;
        if (o->selections > 0 && dc->bitmap != object) return 0;
    }
    HGDIOBJ& slot = SlotFor(*dc, o->kind);
    const HGDIOBJ previous = slot;
    if (previous == object) return previous;
    if (GdiObject* old = GdiTables::Instance().Object(previous)) --old->selections;
    ++o->selections;
    slot = object;
    if (!previous && o->kind == GdiKind::Font) return GdiTables::Instance().Stock(SYSTEM_FONT);
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* o = GdiTables::Instance().Object(object);
    if (!o) return FALSE;
    if (o->stock) return TRUE;   // stock objects outlive every caller
    if (o->selections > 0) return FALSE;
    return GdiTables::Instance().objects.Remove(object) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ object, int size, void* out) {
    const GdiObject* o = GdiTables::Instance().Object(object);
    if (!o || o->kind != GdiKind::Bitmap) return 0;
    if (!out) return int(sizeof(BITMAP));
    if (size < int(sizeof(BITMAP))) return 0;
    BITMAP bm;
    bm.bmWidth = o->pixels.Width();
    bm.bmHeight = o->pixels.Height();
    bm.bmWidthBytes = bm.bmWidth * 4;
    std::memcpy(out, &bm, sizeof(bm));
    return int(sizeof(BITMAP));
}

HDC CreateCompatibleDC(HDC) {
    DeviceContext dc;
    dc.memory = true;
    dc.bitmap = GdiTables::Instance().DefaultBitmap();
    return AddDC(dc);
}

BOOL DeleteDC(HDC h) {
    DeviceContext* dc = GdiTables::Instance().DC(h);
    if (!dc) return FALSE;
    for (HGDIOBJ object : {dc->pen, dc->brush, dc->font, dc->bitmap})
        if (GdiObject* o = GdiTables::Instance().Object(object)) --o->selections;
    return GdiTables::Instance().dcs.Remove(h) ? TRUE : FALSE;
}

void SetWindowSurfaceResolver(WindowSurfaceResolver resolver) {
    GdiTables::Instance().windowResolver = std::move(resolver);
}

static HDC WindowDC(HWND window, bool client) {
    const WindowSurfaceResolver& resolver = GdiTables::Instance().windowResolver;
    WindowSurfaceArea unused;
    if (!resolver || !resolver(window, client, false, unused)) return 0;
    DeviceContext dc;
    dc.window = window;
    dc.client = client;
    dc.placed = false;
    return AddDC(dc);
}

HDC GetDC(HWND window) { return WindowDC(window, true); }
HDC GetWindowDC(HWND window) { return WindowDC(window, false); }

int ReleaseDC(HWND window, HDC h) {
    const DeviceContext* dc = GdiTables::Instance().DC(h);
    if (!dc || dc->memory || dc->window != window) return 0;
    return DeleteDC(h);
}

HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip, HWND window) {
    if (!surface) return 0;
    DeviceContext dc;
    dc.window = window;
    dc.target = surface;
    dc.origin = origin;
    dc.clip = clip;
    return AddDC(dc);
}

HWND WindowFromDC(HDC h) {
    const DeviceContext* dc = GdiTables::Instance().DC(h);
    return dc ? dc->window : 0;
}

const Surface* GdiBitmapSurface(HBITMAP bitmap) {
    const GdiObject* o = GdiTables::Instance().Object(bitmap);
    return o && o->kind == GdiKind::Bitmap ? &o->pixels : nullptr;
}

const Surface* GdiSurfaceOfDC(HDC h) {
    const DeviceContext* dc = GdiTables::Instance().DC(h);
    return dc ? GdiTables::Instance().TargetOf(*dc) : nullptr;
}

int GdiLiveObjectCount() { return GdiTables::Instance().objects.Live() - GdiTables::Instance().StockCount(); }
