// Keyboard focus, activation, mouse capture and the modal runs.
#include <algorithm>
#include <vector>

#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

std::vector<HWND>& ModalStack() {
    static std::vector<HWND> stack;
    return stack;
}

void DropDeadModals() {
    auto& s = ModalStack();
    s.erase(std::remove_if(s.begin(), s.end(), [](HWND h) { return !IsWindow(h); }), s.end());
}

// Tells the windows losing and gaining activation; the new one comes to the top.
HWND Activate(Window& w) {
    const HWND old = Windows().active;
    if (old != w.handle && Windows().Get(old)) SendMessageA(old, WM_ACTIVATE, WA_INACTIVE, LPARAM(w.handle));
    Windows().active = w.handle;
    Windows().BringToTop(w.handle);
    SendMessageA(w.handle, WM_ACTIVATE, WA_ACTIVE, LPARAM(old));
    return old;
}

}  // namespace

HWND SetFocus(HWND h) {
    if (h && !Windows().Get(h)) return 0;
    // The focus moving into another top-level window activates that window.
    if (Window* top = Windows().Get(Windows().TopLevelOf(h)); top && top->handle != Windows().active) Activate(*top);
    const HWND old = Windows().focus;
    if (h == old) return old;
    Windows().focus = h;
    if (Window* top = Windows().Get(Windows().TopLevelOf(h))) top->lastFocus = h;
    if (old) SendMessageA(old, WM_KILLFOCUS, WPARAM(h), 0);
    // The window may have handed focus on while losing it; only tell the one that has it.
    if (h && Windows().focus == h) SendMessageA(h, WM_SETFOCUS, WPARAM(old), 0);
    return old;
}

HWND GetFocus() { return Windows().focus; }

HWND SetActiveWindow(HWND h) {
    Window* w = Windows().Get(h);
    if (!w) return 0;
    const HWND old = Activate(*w);
    // A window made active again takes back the focus it had, as a dialog does when the modal
    // dialog it opened ends.
    const HWND last = w->lastFocus;
    if (Windows().TopLevelOf(Windows().focus) != h && Windows().TopLevelOf(last) == h && IsWindowVisible(last) &&
        IsWindowEnabled(last))
        SetFocus(last);
    return old;
}

void DropFocusWithin(HWND h) {
    const HWND focus = Windows().focus;
    if (focus && (focus == h || IsChild(h, focus))) SetFocus(0);
}

HWND GetActiveWindow() { return Windows().active; }

HWND SetCapture(HWND h) {
    const HWND old = Windows().capture;
    Windows().capture = h;
    return old;
}

BOOL ReleaseCapture() {
    const HWND old = Windows().capture;
    Windows().capture = 0;
    if (old) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return Windows().capture; }

void EnterModalLoop(HWND h) { ModalStack().push_back(h); }

void LeaveModalLoop(HWND h) {
    auto& s = ModalStack();
    auto it = std::find(s.rbegin(), s.rend(), h);
    if (it != s.rend()) s.erase(std::next(it).base());
}

HWND GetModalWindow() {
    DropDeadModals();
    return ModalStack().empty() ? 0 : ModalStack().back();
}

HWND GetOutermostModalWindow() {
    DropDeadModals();
    return ModalStack().empty() ? 0 : ModalStack().front();
}
