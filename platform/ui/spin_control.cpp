// Up-down control. The up arrow moves the position towards the range's upper end, so with a
// reversed range (lower > upper) it decreases, as on the platform. Each step asks the parent
// with UDN_DELTAPOS (non-zero cancels), then sets the position and the buddy text, then sends
// WM_VSCROLL (WM_HSCROLL for UDS_HORZ). Holding an arrow repeats on WM_TIMER.
#include "platform/ui/spin_control.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"

namespace {

constexpr uintptr_t kRepeatTimer = 1;
constexpr UINT kFirstDelay = 500, kRepeatDelay = 100;

struct SpinState {
    int lower = 100;   // the platform's default range runs from 100 down to 0
    int upper = 0;
    int pos = 0;
    HWND buddy = 0;
    std::vector<UDACCEL> accels{{0, 1}, {2, 5}, {5, 20}};
    int held = 0;          // +1 up arrow, -1 down arrow, 0 none
    DWORD heldSince = 0;
    bool tracking = false;
};

void ForgetOnDestroy(HWND h, UINT msg, WPARAM wp, LPARAM lp);
LRESULT Proc(HWND h, SpinState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<SpinState, &Proc, &ForgetOnDestroy>;

// Subclassed buddies: buddy -> (spin, the buddy's previous procedure).
struct BuddyLink {
    HWND spin;
    WNDPROC previous;
};
std::map<HWND, BuddyLink>& Links() {
    static std::map<HWND, BuddyLink> links;
    return links;
}

bool Horizontal(HWND h) { return control::StyleOf(h) & UDS_HORZ; }

std::string Format(HWND h, int value) {
    const std::string digits = std::to_string(std::abs(int64_t(value)));
    const bool group = !(control::StyleOf(h) & UDS_NOTHOUSANDS);
    std::string text = value < 0 ? "-" : "";
    // Thousands separators, built forwards: a comma before every group of three from the right.
    for (size_t i = 0; i < digits.size(); ++i) {
        if (group && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

// The buddy's text as a number; false when it is not one or lies outside the range.
bool ParseBuddy(HWND h, const SpinState& s, int& value) {
    std::string text = control::TextOf(s.buddy);
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str() + first, &end, 10);
    while (end && *end == ' ') ++end;
    if (!end || *end || end == text.c_str() + first) return false;
    if (v < std::min(s.lower, s.upper) || v > std::max(s.lower, s.upper)) return false;
    value = int(v);
    (void)h;
    return true;
}

bool UsesBuddyText(HWND h, const SpinState& s) {
    return s.buddy && IsWindow(s.buddy) && (control::StyleOf(h) & UDS_SETBUDDYINT);
}

// Reading the position first takes up whatever the person typed into the buddy.
bool RefreshFromBuddy(HWND h, SpinState& s) {
    if (!UsesBuddyText(h, s)) return true;
    int value = 0;
    if (!ParseBuddy(h, s, value)) return false;
    s.pos = value;
    return true;
}

int Clamp(const SpinState& s, int v) { return std::clamp(v, std::min(s.lower, s.upper), std::max(s.lower, s.upper)); }

void SetPos(HWND h, SpinState& s, int v) {
    s.pos = Clamp(s, v);
    if (UsesBuddyText(h, s)) SetWindowTextA(s.buddy, Format(h, s.pos).c_str());
}

int Increment(const SpinState& s) {
    const UINT seconds = (GetTickCount() - s.heldSince) / 1000;
    UINT inc = 1;
    for (const UDACCEL& a : s.accels)
        if (a.nSec <= seconds) inc = a.nInc;
    return int(inc);
}

// One step of an arrow: +1 towards upper, -1 towards lower.
void Step(HWND h, SpinState& s, int direction) {
    RefreshFromBuddy(h, s);
    const int towardsUpper = s.upper >= s.lower ? 1 : -1;
    NMUPDOWN nm;
    nm.iPos = s.pos;
    nm.iDelta = direction * towardsUpper * Increment(s);
    if (control::NotifyHeader(h, nm.hdr, UDN_DELTAPOS)) return;   // the parent refused
    int next = s.pos + nm.iDelta;
    const int lo = std::min(s.lower, s.upper), hi = std::max(s.lower, s.upper);
    if ((control::StyleOf(h) & UDS_WRAP) && (next < lo || next > hi)) next = next < lo ? hi : lo;
    SetPos(h, s, next);
    const HWND parent = GetParent(h);
    if (parent)
        SendMessageA(parent, Horizontal(h) ? WM_HSCROLL : WM_VSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, WORD(s.pos)), LPARAM(h));
}

// The arrows work and look enabled only while their buddy is enabled too, so a field that
// cannot be edited cannot be stepped either.
bool Usable(HWND h, const SpinState& s) { return IsWindowEnabled(h) && (!s.buddy || IsWindowEnabled(s.buddy)); }

LRESULT BuddyProc(HWND buddy, UINT msg, WPARAM wp, LPARAM lp) {
    auto it = Links().find(buddy);
    if (it == Links().end()) return DefWindowProcA(buddy, msg, wp, lp);
    const BuddyLink link = it->second;
    if (msg == WM_ENABLE && IsWindow(link.spin)) control::Redraw(link.spin);
    const bool arrowKeys = IsWindow(link.spin) && (control::StyleOf(link.spin) & UDS_ARROWKEYS);
    if (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN) && arrowKeys) {
        if (SpinState* s = Class::Store().Find(link.spin)) {
            s->heldSince = GetTickCount();
            Step(link.spin, *s, wp == VK_UP ? 1 : -1);
            return 0;
        }
    }
    if (msg == WM_NCDESTROY) Links().erase(buddy);
    const LRESULT r = CallWindowProcA(link.previous, buddy, msg, wp, lp);
    if (msg == WM_GETDLGCODE && arrowKeys) return r | DLGC_WANTARROWS;
    return r;
}

void Unlink(HWND buddy) {
    auto it = Links().find(buddy);
    if (it == Links().end()) return;
    // Only put the old procedure back if nobody subclassed on top of ours.
    if (IsWindow(buddy) && reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWLP_WNDPROC)) == &BuddyProc)
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<intptr_t>(it->second.previous));
    Links().erase(it);
}

void AlignToBuddy(HWND h, HWND buddy) {
    const DWORD style = control::StyleOf(h);
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) || !GetParent(h)) return;
    RECT b, own;
    GetWindowRect(buddy, &b);
    GetWindowRect(h, &own);
    POINT corner{b.left, b.top};
    ScreenToClient(GetParent(h), &corner);
    const int bw = b.right - b.left, bh = b.bottom - b.top;
    const int w = own.right - own.left;
    // The arrows overlap the buddy's edge by two pixels and the buddy gives up the rest.
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(buddy, corner.x, corner.y, bw - w + 2, bh, TRUE);
        MoveWindow(h, corner.x + bw - w, corner.y, w, bh, TRUE);
    } else {
        MoveWindow(buddy, corner.x + w - 2, corner.y, bw - w + 2, bh, TRUE);
        MoveWindow(h, corner.x, corner.y, w, bh, TRUE);
    }
}

HWND SetBuddy(HWND h, SpinState& s, HWND buddy) {
    const HWND old = s.buddy;
    if (old) Unlink(old);
    s.buddy = IsWindow(buddy) ? buddy : 0;
    if (!s.buddy) return old;
    // Watched for its enabling always, and for the arrow keys with UDS_ARROWKEYS.
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(s.buddy, GWLP_WNDPROC));
    Links()[s.buddy] = {h, previous};
    SetWindowLongPtrA(s.buddy, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&BuddyProc));
    control::Redraw(h);
    AlignToBuddy(h, s.buddy);
    if (UsesBuddyText(h, s)) SetPos(h, s, s.pos);
    return old;
}

// Which arrow a point is on: +1 up (or right), -1 down (or left).
int ArrowAt(HWND h, POINT p) {
    const RECT r = control::ClientOf(h);
    if (Horizontal(h)) return p.x >= r.right / 2 ? 1 : -1;
    return p.y < r.bottom / 2 ? 1 : -1;
}

LRESULT Mouse(HWND h, SpinState& s, UINT msg, LPARAM lp) {
    if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && Usable(h, s)) {
        SetCapture(h);
        s.tracking = true;
        s.held = ArrowAt(h, control::MousePoint(lp));
        s.heldSince = GetTickCount();
        control::Redraw(h);
        Step(h, s, s.held);
        SetTimer(h, kRepeatTimer, kFirstDelay, nullptr);
    } else if (msg == WM_LBUTTONUP && s.tracking) {
        s.tracking = false;
        s.held = 0;
        KillTimer(h, kRepeatTimer);
        if (GetCapture() == h) ReleaseCapture();
        control::Redraw(h);
        if (const HWND parent = GetParent(h))
            SendMessageA(parent, Horizontal(h) ? WM_HSCROLL : WM_VSCROLL,
                         MAKEWPARAM(SB_ENDSCROLL, WORD(s.pos)), LPARAM(h));
    }
    return 0;
}

LRESULT Timer(HWND h, SpinState& s, WPARAM id) {
    if (id != kRepeatTimer) return 0;
    if (!s.held) {
        KillTimer(h, kRepeatTimer);
        return 0;
    }
    SetTimer(h, kRepeatTimer, kRepeatDelay, nullptr);
    Step(h, s, s.held);
    return 0;
}

void PaintArrow(HDC dc, const RECT& r, ArrowDirection d, bool pressed, bool enabled) {
    ClassicLook::Fill(dc, r, classic::kFace);
    ClassicLook::Edge(dc, r, pressed ? EdgeKind::Pressed : EdgeKind::RaisedButton);
    ClassicLook::Arrow(dc, pressed ? ClassicLook::Offset(r, 1, 1) : r, d, enabled);
}

void Paint(HWND h, const SpinState& s) {
    control::PaintScope paint(h, 0);
    if (!paint.dc()) return;
    const RECT& r = paint.client();
    const bool enabled = Usable(h, s);
    if (Horizontal(h)) {
        const int mid = r.right / 2;
        PaintArrow(paint.dc(), {0, 0, mid, r.bottom}, ArrowDirection::Left, s.held < 0, enabled);
        PaintArrow(paint.dc(), {mid, 0, r.right, r.bottom}, ArrowDirection::Right, s.held > 0, enabled);
        return;
    }
    const int mid = r.bottom / 2;
    PaintArrow(paint.dc(), {0, 0, r.right, mid}, ArrowDirection::Up, s.held > 0, enabled);
    PaintArrow(paint.dc(), {0, mid, r.right, r.bottom}, ArrowDirection::Down, s.held < 0, enabled);
}

LRESULT RangeAndPos(HWND h, SpinState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case UDM_SETRANGE:
        s.upper = int16_t(LOWORD(WPARAM(lp)));
        s.lower = int16_t(HIWORD(WPARAM(lp)));
        s.pos = Clamp(s, s.pos);
        return 0;
    case UDM_SETRANGE32: s.lower = int(intptr_t(wp)); s.upper = int(lp); s.pos = Clamp(s, s.pos); return 0;
    case UDM_GETRANGE: return LRESULT(MAKELPARAM(WORD(s.upper), WORD(s.lower)));
    case UDM_GETRANGE32:
        if (wp) *reinterpret_cast<int*>(wp) = s.lower;
        if (lp) *reinterpret_cast<int*>(lp) = s.upper;
        return 0;
    case UDM_SETPOS: case UDM_SETPOS32: {
        RefreshFromBuddy(h, s);
        const int old = s.pos;
        SetPos(h, s, msg == UDM_SETPOS ? int(int16_t(LOWORD(WPARAM(lp)))) : int(lp));
        return msg == UDM_SETPOS ? LRESULT(int16_t(old)) : LRESULT(old);
    }
    case UDM_GETPOS: {
        const bool ok = RefreshFromBuddy(h, s);
        return LRESULT(MAKELPARAM(WORD(s.pos), WORD(ok ? 0 : 1)));
    }
    case UDM_GETPOS32: {
        const bool ok = RefreshFromBuddy(h, s);
        if (lp) *reinterpret_cast<BOOL*>(lp) = ok ? FALSE : TRUE;
        return LRESULT(s.pos);
    }
    default: return 0;
    }
}

LRESULT SpinMessage(HWND h, SpinState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case UDM_SETBUDDY: return LRESULT(SetBuddy(h, s, HWND(wp)));
    case UDM_GETBUDDY: return LRESULT(s.buddy);
    case UDM_SETACCEL: {
        const auto* accels = reinterpret_cast<const UDACCEL*>(lp);
        if (!accels || wp == 0) return FALSE;
        s.accels.assign(accels, accels + wp);
        return TRUE;
    }
    case UDM_GETACCEL: {
        auto* out = reinterpret_cast<UDACCEL*>(lp);
        const size_t n = std::min<size_t>(wp, s.accels.size());
        for (size_t i = 0; out && i < n; ++i) out[i] = s.accels[i];
        return LRESULT(s.accels.size());
    }
    default: return RangeAndPos(h, s, msg, wp, lp);
    }
}

LRESULT Keys(HWND h, SpinState& s, WPARAM vk) {
    if (!(control::StyleOf(h) & UDS_ARROWKEYS) || !Usable(h, s)) return 0;
    const int direction = (vk == VK_UP || vk == VK_RIGHT) ? 1 : (vk == VK_DOWN || vk == VK_LEFT) ? -1 : 0;
    if (direction) {
        s.heldSince = GetTickCount();
        Step(h, s, direction);
    }
    return 0;
}

// The buddy is given back its own procedure and the repeat stops before the state goes.
void ForgetOnDestroy(HWND h, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_NCDESTROY) {
        if (SpinState* s = Class::Store().Find(h); s && s->buddy) Unlink(s->buddy);
        KillTimer(h, kRepeatTimer);
    }
}

LRESULT Proc(HWND h, SpinState& s, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= UDM_SETRANGE && msg <= UDM_GETPOS32) return SpinMessage(h, s, msg, wp, lp);
    switch (msg) {
    case WM_CREATE:
        // The buddy chosen automatically is the window made just before this one.
        if (control::StyleOf(h) & UDS_AUTOBUDDY) SetBuddy(h, s, GetWindow(h, GW_HWNDPREV));
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return Mouse(h, s, msg, lp);
    case WM_CAPTURECHANGED:
        s.tracking = false;
        s.held = 0;
        KillTimer(h, kRepeatTimer);
        control::Redraw(h);
        return 0;
    case WM_TIMER: return Timer(h, s, wp);
    case WM_KEYDOWN: return Keys(h, s, wp);
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool SpinControl::Register() { return Class::Register(UPDOWN_CLASS, 0); }
