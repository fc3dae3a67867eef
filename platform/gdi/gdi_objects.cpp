// The process-wide tables of drawing objects and device contexts, with the stock objects.
#include "platform/gdi/gdi_objects.h"

#include <algorithm>

namespace {

GdiObject MakePen(int style, int width, COLORREF colour) {
    GdiObject o;
    o.kind = GdiKind::Pen;
    o.style = style;
    o.width = width;
    o.colour = colour & 0xFFFFFF;
    return o;
}

GdiObject MakeBrush(COLORREF colour, bool hollow) {
    GdiObject o;
    o.kind = GdiKind::Brush;
    o.colour = colour & 0xFFFFFF;
    o.hollow = hollow;
    return o;
}

}  // namespace

GdiTables& GdiTables::Instance() {
    static GdiTables tables;
    return tables;
}

HGDIOBJ GdiTables::MakeStock(GdiObject object) {
    object.stock = true;
    ++stockCount_;
    return objects.Add(std::make_unique<GdiObject>(std::move(object)));
}

GdiTables::GdiTables() {
    stock_[WHITE_BRUSH] = MakeStock(MakeBrush(0xFFFFFF, false));
    stock_[LTGRAY_BRUSH] = MakeStock(MakeBrush(0xC0C0C0, false));
    stock_[GRAY_BRUSH] = MakeStock(MakeBrush(0x808080, false));
    stock_[DKGRAY_BRUSH] = MakeStock(MakeBrush(0x404040, false));
    stock_[BLACK_BRUSH] = MakeStock(MakeBrush(0x000000, false));
    stock_[NULL_BRUSH] = MakeStock(MakeBrush(0, true));
    stock_[WHITE_PEN] = MakeStock(MakePen(PS_SOLID, 0, 0xFFFFFF));
    stock_[BLACK_PEN] = MakeStock(MakePen(PS_SOLID, 0, 0x000000));
    stock_[NULL_PEN] = MakeStock(MakePen(PS_NULL, 0, 0));
    GdiObject bitmap;
    bitmap.kind = GdiKind::Bitmap;
    bitmap.pixels.Resize(1, 1);
    defaultBitmap_ = MakeStock(std::move(bitmap));
}

HGDIOBJ GdiTables::Stock(int which) {
    if (which < 0 || which >= int(std::size(stock_))) return 0;
    if (which == SYSTEM_FONT || which == DEFAULT_GUI_FONT) {
        // Made on first use so nothing touches fontconfig while the library loads.
        if (!stock_[which]) {
            std::string error;
            GdiObject font;
            font.kind = GdiKind::Font;
            font.logfont.lfHeight = -12;
            font.logfont.lfWeight = which == SYSTEM_FONT ? FW_BOLD : FW_NORMAL;
            font.face = FontFace::Open({"MS Sans Serif", -12, int(font.logfont.lfWeight), false}, error);
            if (!font.face) return 0;
            stock_[which] = MakeStock(std::move(font));
        }
    }
    return stock_[which];
}

HGDIOBJ GdiTables::DefaultBitmap() { return defaultBitmap_; }

Surface* GdiTables::TargetOf(const DeviceContext& dc) const {
    if (!dc.memory && !dc.placed) {
        dc.placed = true;
        WindowSurfaceArea area;
        if (windowResolver && windowResolver(dc.window, dc.client, true, area)) {
            dc.target = area.surface;
            dc.origin = area.origin;
            dc.clip = area.clip;
        }
    }
    if (!dc.memory) return dc.target;
    GdiObject* bitmap = Object(dc.bitmap);
    return bitmap ? &bitmap->pixels : nullptr;
}

RECT GdiTables::ClipOf(const DeviceContext& dc) const {
    const Surface* s = TargetOf(dc);
    RECT r{0, 0, s ? s->Width() : 0, s ? s->Height() : 0};
    if (!dc.memory) {
        r.left = std::max(r.left, dc.clip.left);
        r.top = std::max(r.top, dc.clip.top);
        r.right = std::min(r.right, dc.clip.right);
        r.bottom = std::min(r.bottom, dc.clip.bottom);
    }
    return r;
}

PixelTarget TargetFor(const DeviceContext& dc) {
    GdiTables& t = GdiTables::Instance();
    Surface* surface = t.TargetOf(dc);   // first: it places a window DC
    return PixelTarget(surface, dc.memory ? POINT{} : dc.origin, t.ClipOf(dc), dc.rop2);
}

PenSpec PenOf(const DeviceContext& dc) {
    const GdiObject* pen = GdiTables::Instance().Object(dc.pen);
    if (!pen) return {PS_NULL, 0, 0};
    // Wide pens are geometric and draw solid whatever style they were made with.
    return {pen->width > 1 ? PS_SOLID : pen->style, pen->width, pen->colour};
}

BrushSpec BrushOf(const DeviceContext& dc) {
    const GdiObject* brush = GdiTables::Instance().Object(dc.brush);
    if (!brush) return {true, 0};
    return {brush->hollow, brush->colour};
}

LineBackground BackgroundOf(const DeviceContext& dc) {
    return {dc.bkMode == OPAQUE, dc.bkColour};
}
