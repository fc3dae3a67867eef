// Block transfers with ternary raster operations; the codes the previews use have fast paths.
#include <algorithm>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"

namespace {

struct BlitPlane {
    Surface* surface = nullptr;
    RECT clip;
    int x0 = 0, y0 = 0;   // surface position of the block's top-left
};

bool PlaneOf(HDC h, int x, int y, BlitPlane& plane) {
    GdiTables& t = GdiTables::Instance();
    const DeviceContext* dc = t.DC(h);
    if (!dc || !(plane.surface = t.TargetOf(*dc))) return false;
    plane.clip = t.ClipOf(*dc);
    plane.x0 = x + (dc->memory ? 0 : dc->origin.x);
    plane.y0 = y + (dc->memory ? 0 : dc->origin.y);
    return true;
}

// The rows of a pad's two transfers, true when a pixel changed; this file is built for the
// vector unit, and the source never overlaps the destination (a surface copied onto itself
// goes through a scratch row).
bool AndRow(COLORREF* __restrict d, const COLORREF* __restrict s, int n) {
    COLORREF lost = 0;
    for (int i = 0; i < n; ++i) {
        lost |= d[i] & ~s[i];
        d[i] &= s[i];
    }
    return lost != 0;
}
bool OrRow(COLORREF* __restrict d, const COLORREF* __restrict s, int n) {
    COLORREF gained = 0;
    for (int i = 0; i < n; ++i) {
        gained |= s[i] & ~d[i];
        d[i] |= s[i];
    }
    return gained != 0;
}

void BlitRow(DWORD rop, COLORREF* d, const COLORREF* s, int n, COLORREF p) {
    switch (rop) {
    case SRCCOPY: std::copy(s, s + n, d); return;
    case SRCAND: AndRow(d, s, n); return;
    case SRCPAINT: OrRow(d, s, n); return;
    case SRCINVERT: for (int i = 0; i < n; ++i) d[i] ^= s[i]; return;
    case BLACKNESS: std::fill(d, d + n, 0u); return;
    case WHITENESS: std::fill(d, d + n, 0xFFFFFFu); return;
    case PATCOPY: std::fill(d, d + n, p & 0xFFFFFF); return;
    default:
        for (int i = 0; i < n; ++i) d[i] = ApplyRop3(rop, p, s ? s[i] : 0, d[i]);
    }
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
            DWORD rop) {
    BlitPlane to, from;
    if (!PlaneOf(dest, x, y, to)) return FALSE;
    const bool usesSource = Rop3UsesSource(rop);
    if (usesSource && !PlaneOf(source, sx, sy, from)) return FALSE;
    const BrushSpec brush = BrushOf(*GdiTables::Instance().DC(dest));
    const COLORREF pattern = brush.hollow ? 0 : brush.colour;

    // Only the part that lies inside the destination clip and, when read, inside the source.
    int i0 = std::max(0, int(to.clip.left) - to.x0);
    int i1 = std::min(width, int(to.clip.right) - to.x0);
    int j0 = std::max(0, int(to.clip.top) - to.y0);
    int j1 = std::min(height, int(to.clip.bottom) - to.y0);
    if (usesSource) {
        i0 = std::max(i0, int(from.clip.left) - from.x0);
        i1 = std::min(i1, int(from.clip.right) - from.x0);
        j0 = std::max(j0, int(from.clip.top) - from.y0);
        j1 = std::min(j1, int(from.clip.bottom) - from.y0);
    }
    const bool sameSurface = usesSource && from.surface == to.surface;
    if (i1 <= i0 || j1 <= j0) return TRUE;
    const Surface* src = from.surface;
    // Every pixel is 24-bit, so ANDing all white changes nothing.
    if (rop == SRCAND && !sameSurface && src->FilledWith(0xFFFFFF)) return TRUE;
    const bool repeatable = (rop == SRCAND || rop == SRCPAINT) && !sameSurface;
    const BlitMemo memo{src, usesSource ? src->Stamp() : 0, rop, from.x0 + i0, from.y0 + j0,
                        to.x0 + i0, to.y0 + j0, i1 - i0, j1 - j0};
    if (repeatable && to.surface->Redo(memo, *src, rop == SRCAND ? AndRow : OrRow)) return TRUE;
    std::vector<COLORREF> scratch;
    for (int j = j0; j < j1; ++j) {
        // Rows of one surface copied onto itself go through a copy so overlaps stay right.
        const int row = (sameSurface && to.y0 > from.y0) ? (j1 - 1 - (j - j0)) : j;
        COLORREF* d = to.surface->Row(to.y0 + row) + to.x0 + i0;
        const COLORREF* s = nullptr;
        if (usesSource) {
            s = src->Row(from.y0 + row) + from.x0 + i0;
            if (sameSurface) {
                scratch.assign(s, s + (i1 - i0));
                s = scratch.data();
            }
        }
        BlitRow(rop, d, s, i1 - i0, pattern);
    }
    if (repeatable) to.surface->Remember(memo);
    return TRUE;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (Rop3UsesSource(rop)) return FALSE;
    return BitBlt(dc, x, y, width, height, 0, 0, 0, rop);
}
