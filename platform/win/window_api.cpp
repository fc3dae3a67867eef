// Classes, windows, the tree, text, visibility and geometry.
#include <algorithm>
#include <cstring>

#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

int CopyText(const std::string& text, char* out, int size) {
    if (!out || size <= 0) return 0;
    const int n = std::min(int(text.size()), size - 1);
    std::memcpy(out, text.data(), size_t(n));
    out[n] = 0;
    return n;
}

void SizeChanged(HWND h, bool resized) {
    Window* w = Windows().Get(h);
    if (!w) return;
    w->frameDirty = true;
    if (Windows().backend) Windows().backend->WindowMovedOrResized(h);
    if (resized) {
        RECT client;
        GetClientRect(h, &client);
        SendMessageA(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(client.right), WORD(client.bottom)));
        Windows().Invalidate(h, nullptr, true);
    }
    if (w->Child() && Windows().Get(w->parent)) Windows().Invalidate(w->parent, nullptr, true);
}

}  // namespace

BOOL RegisterClassA(const WNDCLASSA* cls) {
    if (!cls || !cls->lpszClassName || !cls->lpfnWndProc) return FALSE;
    return Windows().RegisterClass({cls->lpszClassName, cls->style, cls->lpfnWndProc,
                              cls->hbrBackground}) != nullptr;
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* text, DWORD style,
                     int x, int y, int width, int height, HWND parent, int id,
                     HINSTANCE instance, void* param) {
    const WindowClass* cls = className ? Windows().FindClass(className) : nullptr;
    if (!cls) return 0;
    if ((style & WS_CHILD) && !Windows().Get(parent)) return 0;
    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hwndParent = parent;
    cs.id = id;
    cs.x = x;
    cs.y = y;
    cs.cx = std::max(width, 0);
    cs.cy = std::max(height, 0);
    cs.style = LONG(style);
    cs.lpszName = text;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    return Windows().Create(cls, cs, cls->proc);
}

BOOL DestroyWindow(HWND h) {
    Window* w = Windows().Get(h);
    if (!w) return FALSE;
    const HWND parent = w->Child() ? w->parent : 0;
    const bool ok = Windows().Destroy(h);
    if (ok && parent) Windows().Invalidate(parent, nullptr, true);
    return ok;
}

BOOL IsWindow(HWND h) { return Windows().Get(h) != nullptr; }

LRESULT CallWindowProcA(WNDPROC proc, HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    return proc ? proc(h, msg, wp, lp) : 0;
}

intptr_t GetWindowLongPtrA(HWND h, int index) {
    const Window* w = Windows().Get(h);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE: return intptr_t(w->style);
    case GWL_EXSTYLE: return intptr_t(w->exStyle);
    case GWL_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    case GWLP_WNDPROC: return reinterpret_cast<intptr_t>(w->proc);
    case DWLP_MSGRESULT: return w->msgResult;
    default: return 0;
    }
}

intptr_t SetWindowLongPtrA(HWND h, int index, intptr_t value) {
    Window* w = Windows().Get(h);
    if (!w) return 0;
    const intptr_t previous = GetWindowLongPtrA(h, index);
    switch (index) {
    case GWL_STYLE: w->style = DWORD(value); break;
    case GWL_EXSTYLE: w->exStyle = DWORD(value); break;
    case GWL_ID: w->id = int(value); break;
    case GWLP_USERDATA: w->userData = value; break;
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case DWLP_MSGRESULT: w->msgResult = value; break;
    default: return 0;
    }
    return previous;
}

int GetClassNameA(HWND h, char* name, int size) {
    const Window* w = Windows().Get(h);
    return w ? CopyText(w->cls->name, name, size) : 0;
}

UINT GetClassStyle(HWND h) {
    const Window* w = Windows().Get(h);
    return w ? w->cls->style : 0;
}

HBRUSH GetClassBackground(HWND h) {
    const Window* w = Windows().Get(h);
    return w ? w->cls->background : 0;
}

HWND GetParent(HWND h) {
    const Window* w = Windows().Get(h);
    if (!w) return 0;
    return w->Child() ? w->parent : w->owner;
}

HWND GetWindow(HWND h, UINT relation) {
    Window* w = Windows().Get(h);
    if (!w) return 0;
    if (relation == GW_CHILD) return w->children.empty() ? 0 : w->children.front();
    if (relation == GW_OWNER) return w->Child() ? 0 : w->owner;
    const auto& list = Windows().SiblingsOf(*w);
    auto it = std::find(list.begin(), list.end(), h);
    switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return (it + 1) == list.end() ? 0 : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() ? 0 : *(it - 1);
    default: return 0;
    }
}

HWND GetDlgItem(HWND dialog, int id) {
    const WindowManager& windows = Windows();
    const Window* w = windows.Get(dialog);
    if (!w) return 0;
    for (HWND c : w->children)
        if (windows.Get(c)->id == id) return c;
    return 0;
}

int GetDlgCtrlID(HWND h) {
    const Window* w = Windows().Get(h);
    return w ? w->id : 0;
}

HWND FindWindowA(const char* className, const char* caption) {
    for (HWND h : Windows().TopLevels()) {
        const Window* w = Windows().Get(h);
        if (className && w->cls->name != className) continue;
        if (caption && w->text != caption) continue;
        return h;
    }
    return 0;
}

BOOL IsChild(HWND parent, HWND h) {
    for (const Window* w = Windows().Get(h); w && w->Child(); w = Windows().Get(w->parent))
        if (w->parent == parent) return TRUE;
    return FALSE;
}

BOOL SetWindowTextA(HWND h, const char* text) {
    return SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND h, char* text, int size) {
    return int(SendMessageA(h, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND h) { return int(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0)); }

BOOL ShowWindow(HWND h, int command) {
    Window* w = Windows().Get(h);
    if (!w) return FALSE;
    const bool was = w->Visible();
    const bool show = command != SW_HIDE;
    if (was == show) return was;
    SendMessageA(h, WM_SHOWWINDOW, show, 0);
    if (!show && !w->Child()) Windows().DamageFrame(h);
    if (show) w->style |= WS_VISIBLE; else w->style &= ~WS_VISIBLE;
    if (show && !w->Child()) Windows().DamageFrame(h);
    if (show) {
        w->frameDirty = true;
        Windows().Invalidate(h, nullptr, true);
        if (!w->Child() && command != SW_SHOWNA) Windows().BringToTop(h);
    } else {
        DropFocusWithin(h);
        if (w->Child()) Windows().Invalidate(w->parent, nullptr, true);
    }
    if (Windows().backend) Windows().backend->WindowMovedOrResized(h);
    return was;
}

BOOL IsWindowVisible(HWND h) { return Windows().ReallyVisible(h); }

BOOL EnableWindow(HWND h, BOOL enable) {
    Window* w = Windows().Get(h);
    if (!w) return FALSE;
    const bool wasDisabled = !w->Enabled();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) w->style &= ~WS_DISABLED; else w->style |= WS_DISABLED;
    if (!enable) DropFocusWithin(h);
    SendMessageA(h, WM_ENABLE, enable, 0);
    Windows().Invalidate(h, nullptr, true);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND h) {
    const Window* w = Windows().Get(h);
    return w && w->Enabled();
}

BOOL GetWindowRect(HWND h, RECT* rect) {
    if (!Windows().Get(h) || !rect) return FALSE;
    *rect = Windows().ScreenRect(h);
    return TRUE;
}

BOOL GetClientRect(HWND h, RECT* rect) {
    const Window* w = Windows().Get(h);
    if (!w || !rect) return FALSE;
    *rect = Windows().ClientArea(*w);
    return TRUE;
}

BOOL SetWindowPos(HWND h, HWND after, int x, int y, int width, int height, UINT flags) {
    Window* w = Windows().Get(h);
    if (!w) return FALSE;
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) r = {x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    if (!(flags & SWP_NOSIZE)) {
        // Top-level windows ask their procedure for the smallest size it allows.
        if (!w->Child()) {
            MINMAXINFO mm;
            mm.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
            mm.ptMaxTrackSize = {Windows().ScreenWidth() * 2, Windows().ScreenHeight() * 2};
            SendMessageA(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mm));
            width = std::clamp(width, int(mm.ptMinTrackSize.x), int(mm.ptMaxTrackSize.x));
            height = std::clamp(height, int(mm.ptMinTrackSize.y), int(mm.ptMaxTrackSize.y));
        }
        r.right = r.left + std::max(width, 0);
        r.bottom = r.top + std::max(height, 0);
    }
    const bool resized = (r.right - r.left) != (w->rect.right - w->rect.left) ||
                         (r.bottom - r.top) != (w->rect.bottom - w->rect.top);
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    // A top-level window uncovers where it stood; a child's parent repaints instead.
    if (!w->Child() && (moved || resized)) Windows().DamageFrame(h);
    w->rect = r;
    if (!w->Child() && (moved || resized)) Windows().DamageFrame(h);
    if (!(flags & SWP_NOZORDER) && after == HWND_TOP) Windows().BringToTop(h);
    if (moved) SendMessageA(h, WM_MOVE, 0, MAKELPARAM(WORD(r.left), WORD(r.top)));
    if (moved || resized) SizeChanged(h, resized);
    if (flags & SWP_SHOWWINDOW) ShowWindow(h, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(h, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND h, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(h, 0, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL ClientToScreen(HWND h, POINT* p) {
    if (!Windows().Get(h) || !p) return FALSE;
    const RECT c = Windows().ClientScreenRect(h);
    p->x += c.left;
    p->y += c.top;
    return TRUE;
}

BOOL ScreenToClient(HWND h, POINT* p) {
    if (!Windows().Get(h) || !p) return FALSE;
    const RECT c = Windows().ClientScreenRect(h);
    p->x -= c.left;
    p->y -= c.top;
    return TRUE;
}

static HWND DeepestAt(HWND h, POINT p) {
    const Window* w = Windows().Get(h);
    for (HWND c : w->children) {
        const Window* cw = Windows().Get(c);
        const RECT r = Windows().ScreenRect(c);
        if (cw->Visible() && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return DeepestAt(c, p);
    }
    return h;
}

HWND WindowFromPoint(POINT p) {
    for (HWND h : Windows().TopLevels()) {
        const Window* w = Windows().Get(h);
        const RECT r = Windows().ScreenRect(h);
        if (w->Visible() && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return DeepestAt(h, p);
    }
    return 0;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: return Windows().ScreenWidth();
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return Windows().ScreenHeight();
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CYCAPTION: return 18;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    default: return 0;
    }
}

void SetScreenSize(int width, int height) { Windows().SetScreenSize(width, height); }

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) return FALSE;
    Window probe;
    probe.style = style;
    probe.exStyle = exStyle;
    const RECT in = Windows().NonClientInsets(probe);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}
