// Static text and frames. Each SS_ type is a row: how it draws and with which DrawText flags.
#include "platform/ui/static_control.h"

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"

namespace {

constexpr DWORD kTypeMask = 0x1F;

enum class StaticDraw { Text, BlackRect, EtchedFrame };

struct StaticKind {
    DWORD type;
    StaticDraw draw;
    UINT format;
};

constexpr StaticKind kKinds[] = {
    {SS_LEFT, StaticDraw::Text, DT_LEFT | DT_WORDBREAK},
    {SS_CENTER, StaticDraw::Text, DT_CENTER | DT_WORDBREAK},
    {SS_RIGHT, StaticDraw::Text, DT_RIGHT | DT_WORDBREAK},
    {SS_BLACKRECT, StaticDraw::BlackRect, 0},
    {SS_ETCHEDFRAME, StaticDraw::EtchedFrame, 0},
};

const StaticKind& KindOf(HWND h) {
    const DWORD type = control::StyleOf(h) & kTypeMask;
    for (const StaticKind& k : kKinds)
        if (k.type == type) return k;
    return kKinds[0];
}

struct StaticState {
    HFONT font = 0;
};

LRESULT Proc(HWND h, StaticState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<StaticState, &Proc>;

void Paint(HWND h, const StaticState& s) {
    control::PaintScope paint(h, s.font);
    if (!paint.dc()) return;
    const StaticKind& kind = KindOf(h);
    const RECT& r = paint.client();
    switch (kind.draw) {
    case StaticDraw::BlackRect: ClassicLook::Fill(paint.dc(), r, classic::kDarkShadow); return;
    case StaticDraw::EtchedFrame:
        ClassicLook::Fill(paint.dc(), r, classic::kFace);
        ClassicLook::Edge(paint.dc(), r, EdgeKind::Etched);
        return;
    case StaticDraw::Text: {
        ClassicLook::Fill(paint.dc(), r, classic::kFace);
        const UINT format = kind.format | ((control::StyleOf(h) & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        ClassicLook::Text(paint.dc(), control::TextOf(h), r, format, IsWindowEnabled(h));
        return;
    }
    }
}

LRESULT Proc(HWND h, StaticState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        // A sunken static is a static with the one-pixel static edge around it.
        if (control::StyleOf(h) & SS_SUNKEN)
            SetWindowLongPtrA(h, GWL_EXSTYLE, GetWindowLongPtrA(h, GWL_EXSTYLE) | WS_EX_STATICEDGE);
        return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETTEXT: {
        const LRESULT set = DefWindowProcA(h, msg, wp, lp);
        control::Redraw(h);
        return set;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool StaticControl::Register() { return Class::Register(WC_STATIC, 0); }
