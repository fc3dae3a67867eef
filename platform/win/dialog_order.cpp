// The order in which Tab and the arrow keys walk a dialog's controls. The walk runs through
// child dialogs that are control parents (property pages), and a group of radio buttons is one
// Tab stop, its checked button; the arrows move inside the group.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

// Shown and enabled by its own style and that of every parent below the dialog, so a dialog
// that is still hidden while it starts up can already give the focus to its first control.
bool ReachableIn(HWND dialog, HWND h) {
    for (const Window* w = Windows().Get(h); w && w->handle != dialog; w = Windows().Get(w->parent))
        if (!w->Child() || !w->Visible() || !w->Enabled()) return false;
    return Windows().Get(dialog) != nullptr;
}

LRESULT DlgCode(HWND h) { return SendMessageA(h, WM_GETDLGCODE, 0, 0); }
bool IsRadio(HWND h) { return (DlgCode(h) & DLGC_RADIOBUTTON) != 0; }
bool StartsGroup(HWND h) { return (Windows().Get(h)->style & WS_GROUP) != 0; }

// [first, last) of the group that holds all[at]: from the nearest WS_GROUP at or before it up
// to the next one.
std::pair<size_t, size_t> GroupAround(const std::vector<HWND>& all, size_t at) {
    size_t first = at;
    while (first > 0 && !StartsGroup(all[first])) --first;
    size_t last = at + 1;
    while (last < all.size() && !StartsGroup(all[last])) ++last;
    return {first, last};
}

// Where Tab stops in the radio group of all[at]: the checked button, else the first one that
// can take the focus; 0 when no button of the group is a tab stop.
HWND RadioStop(HWND dialog, const std::vector<HWND>& all, size_t at) {
    const auto [first, last] = GroupAround(all, at);
    HWND firstReachable = 0, checked = 0;
    bool tabStop = false;
    for (size_t i = first; i < last; ++i) {
        if (!IsRadio(all[i])) continue;
        tabStop = tabStop || (Windows().Get(all[i])->style & WS_TABSTOP);
        if (!ReachableIn(dialog, all[i])) continue;
        if (!firstReachable) firstReachable = all[i];
        if (!checked && SendMessageA(all[i], BM_GETCHECK, 0, 0) == BST_CHECKED) checked = all[i];
    }
    if (!tabStop) return 0;
    return checked ? checked : firstReachable;
}

// Every control the walk passes, in tab order, with the parent it stands in. Whether Tab stops
// at one is asked only when the walk reaches it: a radio button's answer sends messages to its
// whole group, and the first stop is usually a step or two away.
struct TabWalk {
    std::vector<HWND> controls;
    std::vector<HWND> parents;
};

void Collect(HWND dialog, HWND parent, TabWalk& walk) {
    const std::vector<HWND> all = Windows().Get(parent)->children;
    for (HWND h : all) {
        const Window* w = Windows().Get(h);
        if (!w || !ReachableIn(dialog, h)) continue;
        if (w->exStyle & WS_EX_CONTROLPARENT) {
            Collect(dialog, h, walk);
            continue;
        }
        walk.controls.push_back(h);
        walk.parents.push_back(parent);
    }
}

bool Stops(HWND dialog, HWND parent, HWND h) {
    if (!IsRadio(h)) return (Windows().Get(h)->style & WS_TABSTOP) != 0;
    const std::vector<HWND> all = Windows().Get(parent)->children;
    return h == RadioStop(dialog, all, size_t(std::find(all.begin(), all.end(), h) - all.begin()));
}

}  // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (!Windows().Get(dialog)) return 0;
    TabWalk walk;
    Collect(dialog, dialog, walk);
    const size_t n = walk.controls.size();
    // A control outside the walk (none, hidden, disabled) starts it from one end.
    const size_t at = size_t(std::find(walk.controls.begin(), walk.controls.end(), control) - walk.controls.begin());
    const size_t start = at < n ? at : (previous ? 0 : n - 1);
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = previous ? (start + n - step) % n : (start + step) % n;
        if (Stops(dialog, walk.parents[i], walk.controls[i])) return walk.controls[i];
    }
    return 0;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const Window* d = Windows().Get(dialog);
    if (!d) return 0;
    const std::vector<HWND> all = d->children;
    const size_t at = size_t(std::find(all.begin(), all.end(), control) - all.begin());
    if (at == all.size()) return 0;
    const auto [first, last] = GroupAround(all, at);
    const size_t n = last - first;
    // From a radio button the arrows reach only the group's other radio buttons; labels and
    // frames never take the focus.
    const bool radio = IsRadio(control);
    for (size_t step = 1; step < n; ++step) {
        const size_t i = previous ? first + (at - first + n - step) % n : first + (at - first + step) % n;
        if (!ReachableIn(dialog, all[i])) continue;
        if (radio ? !IsRadio(all[i]) : (DlgCode(all[i]) & DLGC_STATIC) != 0) continue;
        return all[i];
    }
    return control;
}
