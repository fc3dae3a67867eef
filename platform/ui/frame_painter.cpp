// The classic frame: raised 3-D border (thicker with a sizing border), the caption bar in the
// active or inactive colour with bold white text, the close box, and sunken client edges.
#include "platform/ui/frame_painter.h"

#include "platform/ui/classic_look.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

constexpr int kCaption = 18;   // GetSystemMetrics(SM_CYCAPTION)

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

// The outer border: returns what lies inside it.
RECT PaintBorder(HDC dc, RECT r, const Window& w) {
    if (w.style & WS_THICKFRAME) {
        r = ClassicLook::Edge(dc, r, EdgeKind::RaisedFrame);
        ClassicLook::Frame(dc, r, classic::kFace);
        r = ClassicLook::Inset(r, 1);
        ClassicLook::Frame(dc, r, classic::kFace);
        return ClassicLook::Inset(r, 1);
    }
    if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME)) {
        r = ClassicLook::Edge(dc, r, EdgeKind::RaisedFrame);
        ClassicLook::Frame(dc, r, classic::kFace);
        return ClassicLook::Inset(r, 1);
    }
    if (w.style & WS_BORDER) {
        ClassicLook::Frame(dc, r, classic::kDarkShadow);
        return ClassicLook::Inset(r, 1);
    }
    return r;
}

bool IsActive(HWND h) {
    const WindowManager& m = WindowManager::Instance();
    return m.active == h || (m.focus && m.TopLevelOf(m.focus) == h);
}

void PaintCloseGlyph(HDC dc, const RECT& box) {
    // An 8 by 7 cross, two pixels wide.
    const int x = box.left + (box.right - box.left - 8) / 2, y = box.top + (box.bottom - box.top - 7) / 2;
    for (int i = 0; i < 7; ++i) {
        ClassicLook::Fill(dc, {x + i, y + i, x + i + 2, y + i + 1}, classic::kText);
        ClassicLook::Fill(dc, {x + 6 - i, y + i, x + 8 - i, y + i + 1}, classic::kText);
    }
}

void PaintCaption(HDC dc, const RECT& bar, HWND h, const Window& w) {
    const bool active = IsActive(h);
    ClassicLook::Fill(dc, {bar.left, bar.top, bar.right, bar.bottom - 1},
                      active ? classic::kActiveCaption : classic::kInactiveCaption);
    ClassicLook::Fill(dc, {bar.left, bar.bottom - 1, bar.right, bar.bottom}, classic::kFace);
    RECT text{bar.left + 3, bar.top, bar.right - 2, bar.bottom - 1};
    if (w.style & WS_SYSMENU) {
        const RECT box = FramePainter::CloseBox(h);
        ClassicLook::Fill(dc, box, classic::kFace);
        ClassicLook::Edge(dc, box, EdgeKind::RaisedButton);
        PaintCloseGlyph(dc, box);
        text.right = box.left - 2;
    }
    const HGDIOBJ old = SelectObject(dc, ClassicLook::CaptionFont());
    ClassicLook::Text(dc, w.text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, true,
                      active ? classic::kCaptionText : classic::kInactiveCaptionText);
    SelectObject(dc, old);
}

}  // namespace

RECT FramePainter::CloseBox(HWND h) {
    const Window* w = WindowManager::Instance().Get(h);
    if (!w || !HasCaption(w->style) || !(w->style & WS_SYSMENU)) return {};
    RECT outer{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    Window probe;
    probe.style = w->style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER);
    probe.exStyle = w->exStyle & WS_EX_DLGMODALFRAME;
    const RECT in = WindowManager::Instance().NonClientInsets(probe);
    const int border = in.left, right = outer.right - border - 2;
    return {right - 16, border + 2, right, border + 2 + 14};
}

void FramePainter::Paint(HWND h) {
    const Window* w = WindowManager::Instance().Get(h);
    if (!w) return;
    const HDC dc = GetWindowDC(h);
    if (!dc) return;
    RECT r{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    r = PaintBorder(dc, r, *w);
    if (HasCaption(w->style)) {
        PaintCaption(dc, {r.left, r.top, r.right, r.top + kCaption}, h, *w);
        r.top += kCaption;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) ClassicLook::Edge(dc, r, EdgeKind::Sunken);
    else if (w->exStyle & WS_EX_STATICEDGE) ClassicLook::Edge(dc, r, EdgeKind::StaticSunken);
    ReleaseDC(h, dc);
}
