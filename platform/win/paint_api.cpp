// Invalid areas and the paint cycle; the pixels come from the installed paint backend.
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

BOOL InvalidateRect(HWND h, const RECT* rect, BOOL erase) {
    if (!Windows().Get(h)) return FALSE;
    Windows().Invalidate(h, rect, erase);
    return TRUE;
}

BOOL GetUpdateRect(HWND h, RECT* rect, BOOL) {
    const Window* w = Windows().Get(h);
    if (!w) return FALSE;
    if (rect) *rect = w->update;
    return !IsRectEmptyValue(w->update);
}

BOOL UpdateWindow(HWND h) {
    Window* w = Windows().Get(h);
    if (!w) return FALSE;
    // Nobody watches: what is invalid is painted with the rest when a picture is taken.
    if (!Windows().ReallyVisible(h) || Windows().PaintDeferred()) return TRUE;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessageA(h, WM_NCPAINT, 0, 0);
    }
    if (!IsRectEmptyValue(w->update)) {
        SendMessageA(h, WM_PAINT, 0, 0);
        Windows().Validate(h, nullptr);
    }
    return TRUE;
}

HDC BeginPaint(HWND h, PAINTSTRUCT* ps) {
    Window* w = Windows().Get(h);
    if (!w || !ps) return 0;
    RECT client;
    GetClientRect(h, &client);
    ps->rcPaint = IsRectEmptyValue(w->update) ? client : w->update;
    const bool erase = w->erase;
    Windows().Validate(h, nullptr);
    ps->hdc = Windows().backend ? Windows().backend->BeginPaintDC(h, ps->rcPaint) : 0;
    ps->fErase = FALSE;
    if (erase && ps->hdc)
        ps->fErase = SendMessageA(h, WM_ERASEBKGND, WPARAM(ps->hdc), 0) ? FALSE : TRUE;
    return ps->hdc;
}

BOOL EndPaint(HWND h, const PAINTSTRUCT* ps) {
    if (!ps || !Windows().backend) return FALSE;
    if (ps->hdc) Windows().backend->EndPaintDC(h, ps->hdc);
    return TRUE;
}
