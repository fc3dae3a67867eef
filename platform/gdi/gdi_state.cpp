// The per-DC drawing state: mix mode, background, text colour and alignment, single pixels.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"

namespace {
DeviceContext* DC(HDC h) { return GdiTables::Instance().DC(h); }
}

int SetROP2(HDC h, int mode) {
    DeviceContext* dc = DC(h);
    if (!dc || mode < R2_BLACK || mode > R2_WHITE) return 0;
    const int previous = dc->rop2;
    dc->rop2 = mode;
    return previous;
}

int GetROP2(HDC h) {
    const DeviceContext* dc = DC(h);
    return dc ? dc->rop2 : 0;
}

int SetBkMode(HDC h, int mode) {
    DeviceContext* dc = DC(h);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

COLORREF SetBkColor(HDC h, COLORREF colour) {
    DeviceContext* dc = DC(h);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->bkColour;
    dc->bkColour = colour & 0xFFFFFF;
    return previous;
}

COLORREF SetTextColor(HDC h, COLORREF colour) {
    DeviceContext* dc = DC(h);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->textColour;
    dc->textColour = colour & 0xFFFFFF;
    return previous;
}

UINT SetTextAlign(HDC h, UINT align) {
    DeviceContext* dc = DC(h);
    if (!dc) return GDI_ERROR;
    const UINT previous = dc->textAlign;
    dc->textAlign = align;
    return previous;
}

COLORREF GetPixel(HDC h, int x, int y) {
    const DeviceContext* dc = DC(h);
    if (!dc) return CLR_INVALID;
    const Surface* s = GdiTables::Instance().TargetOf(*dc);
    const RECT clip = GdiTables::Instance().ClipOf(*dc);
    if (!dc->memory) { x += dc->origin.x; y += dc->origin.y; }
    if (!s || x < clip.left || y < clip.top || x >= clip.right || y >= clip.bottom)
        return CLR_INVALID;
    return s->Pixel(x, y);
}

COLORREF SetPixel(HDC h, int x, int y, COLORREF colour) {
    const DeviceContext* dc = DC(h);
    if (!dc) return CLR_INVALID;
    TargetFor(*dc).Copying().Plot(x, y, colour);
    return colour & 0xFFFFFF;
}
