// Sending, posting and pumping messages, and the default window procedure.
#include <algorithm>
#include <cstring>

#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

LRESULT HitTest(HWND h, POINT p) {
    const Window* w = Windows().Get(h);
    const RECT r = Windows().ScreenRect(h);
    const RECT c = Windows().ClientScreenRect(h);
    if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom) return HTNOWHERE;
    if (p.x >= c.left && p.x < c.right && p.y >= c.top && p.y < c.bottom) return HTCLIENT;
    if (w->style & WS_THICKFRAME) {
        const int edge = 4;
        const bool left = p.x < r.left + edge, right = p.x >= r.right - edge;
        const bool top = p.y < r.top + edge, bottom = p.y >= r.bottom - edge;
        if (top && left) return HTTOPLEFT;
        if (top && right) return HTTOPRIGHT;
        if (bottom && left) return HTBOTTOMLEFT;
        if (bottom && right) return HTBOTTOMRIGHT;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION && p.y < c.top) {
        // The close box: the square at the caption's right end.
        if ((w->style & WS_SYSMENU) && p.x >= c.right - 18) return HTCLOSE;
        return HTCAPTION;
    }
    return HTNOWHERE;
}

}  // namespace

LRESULT SendMessageA(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return Windows().Send(h, msg, wp, lp); }

BOOL PostMessageA(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    return Windows().Post({h, msg, wp, lp}) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND, UINT, UINT) {
    if (!msg) return -1;
    if (!Windows().Next(*msg, true, true)) return -1;
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT remove) {
    if (!msg) return FALSE;
    return Windows().Next(*msg, remove & PM_REMOVE, false) ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !Windows().Get(msg->hwnd)) return 0;
    const LRESULT result = Windows().Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    // A procedure that ignores WM_PAINT would otherwise be asked again forever.
    if (msg->message == WM_PAINT) Windows().Validate(msg->hwnd, nullptr);
    return result;
}

void PostQuitMessage(int code) { Windows().Quit(code); }

LRESULT DefWindowProcA(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = Windows().Get(h);
    if (!w) return 0;
    switch (msg) {
    case WM_SETTEXT:
        w->text = lp ? reinterpret_cast<const char*>(lp) : "";
        w->frameDirty = true;
        return TRUE;
    case WM_GETTEXT: {
        char* out = reinterpret_cast<char*>(lp);
        if (!out || wp == 0) return 0;
        const size_t n = std::min(w->text.size(), size_t(wp) - 1);
        std::memcpy(out, w->text.data(), n);
        out[n] = 0;
        return LRESULT(n);
    }
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_CLOSE: DestroyWindow(h); return 0;
    case WM_ACTIVATE:
        w->frameDirty = true;   // the caption takes the active or inactive colours
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_CLOSE) SendMessageA(h, WM_CLOSE, 0, 0);
        return 0;
    case WM_ERASEBKGND: {
        if (!w->cls->background || !Windows().backend) return 0;
        RECT client;
        GetClientRect(h, &client);
        Windows().backend->FillBackground(HDC(wp), client, w->cls->background);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_NCPAINT:
        if (Windows().nonClientPainter) Windows().nonClientPainter(h);
        return 0;
    case WM_NCHITTEST: return HitTest(h, {LONG(int16_t(LOWORD(WPARAM(lp)))), LONG(int16_t(HIWORD(WPARAM(lp))))});
    default: return 0;
    }
}
