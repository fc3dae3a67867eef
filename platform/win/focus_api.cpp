// Keyboard focus, activation, mouse capture and the dialog tab and group order.
#include <algorithm>
#include <vector>

#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

WindowManager& M() { return WindowManager::Instance(); }

bool Reachable(HWND h) { return IsWindowVisible(h) && IsWindowEnabled(h); }

std::vector<HWND>& ModalStack() {
    static std::vector<HWND> stack;
    return stack;
}

void DropDeadModals() {
    auto& s = ModalStack();
    s.erase(std::remove_if(s.begin(), s.end(), [](HWND h) { return !IsWindow(h); }), s.end());
}

}  // namespace

HWND SetFocus(HWND h) {
    const HWND old = M().focus;
    if (h && !M().Get(h)) return 0;
    if (h == old) return old;
    M().focus = h;
    if (h) M().active = M().TopLevelOf(h);
    if (old) SendMessageA(old, WM_KILLFOCUS, WPARAM(h), 0);
    // The window may have handed focus on while losing it; only tell the one that has it.
    if (h && M().focus == h) SendMessageA(h, WM_SETFOCUS, WPARAM(old), 0);
    return old;
}

HWND GetFocus() { return M().focus; }

HWND SetActiveWindow(HWND h) {
    const HWND old = M().active;
    if (!M().Get(h)) return 0;
    M().active = h;
    M().BringToTop(h);
    SendMessageA(h, WM_ACTIVATE, 1, 0);
    return old;
}

HWND GetActiveWindow() { return M().active; }

HWND SetCapture(HWND h) {
    const HWND old = M().capture;
    M().capture = h;
    return old;
}

BOOL ReleaseCapture() {
    const HWND old = M().capture;
    M().capture = 0;
    if (old) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return M().capture; }

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const Window* d = M().Get(dialog);
    if (!d) return 0;
    std::vector<HWND> stops;
    for (HWND c : d->children)
        if ((M().Get(c)->style & WS_TABSTOP) && Reachable(c)) stops.push_back(c);
    if (stops.empty()) return 0;
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == control)
            return previous ? stops[(i + stops.size() - 1) % stops.size()]
                            : stops[(i + 1) % stops.size()];
    // A control that is not a tab stop (or none) continues from its place in the list.
    bool seen = control == 0;
    for (HWND c : d->children) {
        if (c == control) { seen = true; continue; }
        if (seen && (M().Get(c)->style & WS_TABSTOP) && Reachable(c)) return c;
    }
    return previous ? stops.back() : stops.front();
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const Window* d = M().Get(dialog);
    if (!d) return 0;
    // The group: from the nearest WS_GROUP at or before the control to the next WS_GROUP.
    const auto& all = d->children;
    size_t at = 0;
    while (at < all.size() && all[at] != control) ++at;
    if (at == all.size()) return 0;
    size_t first = at;
    while (first > 0 && !(M().Get(all[first])->style & WS_GROUP)) --first;
    size_t last = at + 1;
    while (last < all.size() && !(M().Get(all[last])->style & WS_GROUP)) ++last;
    const size_t n = last - first;
    for (size_t step = 1; step < n; ++step) {
        const size_t i = previous ? first + (at - first + n - step) % n : first + (at - first + step) % n;
        if (Reachable(all[i])) return all[i];
    }
    return control;
}

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
