// Truth-table raster operations: the bit of the mode's index selects each minterm.
#include "platform/gdi/raster_ops.h"

COLORREF ApplyRop2(int mode, COLORREF pen, COLORREF dest) {
    const unsigned table = unsigned(mode - 1) & 0xF;
    COLORREF r = 0;
    if (table & 1) r |= ~pen & ~dest;
    if (table & 2) r |= ~pen & dest;
    if (table & 4) r |= pen & ~dest;
    if (table & 8) r |= pen & dest;
    return r & 0xFFFFFF;
}

COLORREF ApplyRop3(DWORD rop, COLORREF p, COLORREF s, COLORREF d) {
    const unsigned table = (rop >> 16) & 0xFF;
    COLORREF r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table & (1u << i))) continue;
        COLORREF term = (i & 4) ? p : ~p;
        term &= (i & 2) ? s : ~s;
        term &= (i & 1) ? d : ~d;
        r |= term;
    }
    return r & 0xFFFFFF;
}

bool Rop3UsesSource(DWORD rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool Rop3UsesPattern(DWORD rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}
