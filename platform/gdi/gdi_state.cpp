// The per-DC drawing state: mix mode, background, text colour and alignment, single pixels.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"

namespace {

DeviceContext* DC(HDC h) { return GdiTables::Instance().DC(h); }

// Every setter stores one field of the DC and hands back what was there before.
template <typename T>
T Replace(HDC h, T DeviceContext::*field, T value, T failed) {
    DeviceContext* dc = DC(h);
    if (!dc) return failed;
    const T previous = dc->*field;
    dc->*field = value;
    return previous;
}

}  // namespace

int SetROP2(HDC h, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Replace(h, &DeviceContext::rop2, mode, 0);
}

int SetBkMode(HDC h, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Replace(h, &DeviceContext::bkMode, mode, 0);
}

COLORREF SetBkColor(HDC h, COLORREF colour) {
    return Replace(h, &DeviceContext::bkColour, colour & 0xFFFFFF, CLR_INVALID);
}

COLORREF SetTextColor(HDC h, COLORREF colour) {
    return Replace(h, &DeviceContext::textColour, colour & 0xFFFFFF, CLR_INVALID);
}

UINT SetTextAlign(HDC h, UINT align) { return Replace(h, &DeviceContext::textAlign, align, GDI_ERROR); }

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
