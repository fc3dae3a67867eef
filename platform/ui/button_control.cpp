// Button behaviour (mouse tracking, Space, auto check and auto radio groups, BM_ messages) and
// its classic painting. What differs between the button styles is a row of kTraits.
#include "platform/ui/button_control.h"

#include <cstring>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"

namespace {

enum class ButtonKind { Push, Check, Radio, Group };

struct ButtonTraits {
    DWORD type;
    ButtonKind kind;
    bool isDefault;
    bool automatic;
    LRESULT dlgCode;
};

constexpr ButtonTraits kTraits[] = {
    {BS_PUSHBUTTON, ButtonKind::Push, false, false, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
    {BS_DEFPUSHBUTTON, ButtonKind::Push, true, false, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
    {BS_CHECKBOX, ButtonKind::Check, false, false, DLGC_BUTTON},
    {BS_AUTOCHECKBOX, ButtonKind::Check, false, true, DLGC_BUTTON},
    {BS_RADIOBUTTON, ButtonKind::Radio, false, false, DLGC_BUTTON | DLGC_RADIOBUTTON},
    {BS_AUTORADIOBUTTON, ButtonKind::Radio, false, true, DLGC_BUTTON | DLGC_RADIOBUTTON},
    {BS_GROUPBOX, ButtonKind::Group, false, false, DLGC_STATIC},
};

const ButtonTraits& TraitsOf(HWND h) {
    const DWORD type = control::StyleOf(h) & BS_TYPEMASK;
    for (const ButtonTraits& t : kTraits)
        if (t.type == type) return t;
    return kTraits[0];   // unknown types behave as push buttons
}

struct ButtonState {
    HFONT font = 0;
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;     // drawn pressed
    bool tracking = false;   // the mouse went down on it and is captured
    bool spaceDown = false;
    bool focused = false;
};

LRESULT Proc(HWND h, ButtonState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<ButtonState, &Proc>;

// Glyphs of the box and the circle, one letter per pixel: S shadow, H highlight, D dark
// shadow, F face, W interior, X the mark (interior colour when unchecked), '.' untouched.
constexpr const char* kRadio[] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWFH.",
    "SDWWWXXWWWFH", "SDWWXXXXWWFH", "SDWWXXXXWWFH", "SDWWWXXWWWFH",
    ".SDWWWWWWFH.", ".HFFWWWWFFH.", "..HHFFFFHH..", "....HHHH....",
};
constexpr const char* kCheck[] = {
    "SSSSSSSSSSSSH", "SDDDDDDDDDDFH", "SDWWWWWWWWWFH", "SDWWWWWWWXWFH",
    "SDWWWWWWXXWFH", "SDWXWWWXXXWFH", "SDWXXWXXXWWFH", "SDWXXXXXWWWFH",
    "SDWWXXXWWWWFH", "SDWWWXWWWWWFH", "SDWWWWWWWWWFH", "SDFFFFFFFFFFH",
    "HHHHHHHHHHHHH",
};
constexpr int kRadioSize = 12, kCheckSize = 13;

void DrawGlyph(HDC dc, const char* const* rows, int size, int x, int y, bool checked, bool enabled, bool pushed) {
    const COLORREF interior = (enabled && !pushed) ? classic::kWindow : classic::kFace;
    const COLORREF mark = enabled ? classic::kText : classic::kGrayText;
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size && rows[r][c]; ++c) {
            COLORREF colour;
            switch (rows[r][c]) {
            case 'S': colour = classic::kShadow; break;
            case 'H': colour = classic::kHighlight; break;
            case 'D': colour = classic::kDarkShadow; break;
            case 'F': colour = classic::kFace; break;
            case 'W': colour = interior; break;
            case 'X': colour = checked ? mark : interior; break;
            default: continue;
            }
            SetPixel(dc, x + c, y + r, colour);
        }
}

RECT TextBounds(HDC dc, const std::string& text, const RECT& area, UINT format) {
    RECT calc = area;
    DrawTextA(dc, text.c_str(), int(text.size()), &calc, format | DT_CALCRECT);
    const int height = calc.bottom - calc.top, width = calc.right - calc.left;
    RECT r{area.left, area.top + (area.bottom - area.top - height) / 2, area.left + width, 0};
    r.bottom = r.top + height;
    return r;
}

void PaintPush(HDC dc, const RECT& client, HWND h, const ButtonState& s, bool isDefault) {
    RECT r = client;
    if (isDefault) {
        ClassicLook::Frame(dc, r, classic::kDarkShadow);
        r = ClassicLook::Inset(r, 1);
    }
    if (s.pushed) {
        ClassicLook::Frame(dc, r, isDefault ? classic::kShadow : classic::kDarkShadow);
        r = ClassicLook::Inset(r, 1);
        if (!isDefault) {
            ClassicLook::Frame(dc, r, classic::kShadow);
            r = ClassicLook::Inset(r, 1);
        }
    } else {
        r = ClassicLook::Edge(dc, r, EdgeKind::RaisedButton);
    }
    ClassicLook::Fill(dc, r, classic::kFace);
    RECT text = client;
    if (s.pushed) text = ClassicLook::Offset(text, 1, 1);
    ClassicLook::Text(dc, control::TextOf(h), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, IsWindowEnabled(h));
    if (s.focused) ClassicLook::FocusRect(dc, ClassicLook::Inset(client, 4));
}

void PaintMarked(HDC dc, const RECT& client, HWND h, const ButtonState& s, ButtonKind kind) {
    ClassicLook::Fill(dc, client, classic::kFace);
    const bool radio = kind == ButtonKind::Radio;
    const int size = radio ? kRadioSize : kCheckSize;
    const bool leftText = control::StyleOf(h) & BS_LEFTTEXT;
    const int gx = leftText ? client.right - size : client.left;
    const int gy = (client.top + client.bottom - size) / 2;
    const bool enabled = IsWindowEnabled(h);
    DrawGlyph(dc, radio ? kRadio : kCheck, size, gx, gy, s.check == BST_CHECKED, enabled, s.pushed);
    const std::string text = control::TextOf(h);
    RECT area = leftText ? RECT{client.left, client.top, gx - 4, client.bottom}
                         : RECT{gx + size + 4, client.top, client.right, client.bottom};
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    ClassicLook::Text(dc, text, area, format, enabled);
    if (s.focused && !text.empty()) {
        RECT f = TextBounds(dc, text, area, format);
        ClassicLook::FocusRect(dc, {f.left - 1, f.top - 1, f.right + 1, f.bottom + 1});
    }
}

// Only the frame and the caption: the inside belongs to the controls standing in the group.
void PaintGroup(HDC dc, const RECT& client, HWND h) {
    const std::string text = control::TextOf(h);
    const int line = ClassicLook::LineHeight(dc);
    ClassicLook::Edge(dc, {client.left, client.top + line / 2, client.right, client.bottom}, EdgeKind::Etched);
    if (text.empty()) return;
    RECT area{client.left + 8, client.top, client.right - 8, client.top + line};
    RECT bounds = TextBounds(dc, text, area, DT_LEFT | DT_SINGLELINE);
    ClassicLook::Fill(dc, {bounds.left - 2, bounds.top, bounds.right + 2, bounds.bottom}, classic::kFace);
    ClassicLook::Text(dc, text, area, DT_LEFT | DT_SINGLELINE, IsWindowEnabled(h));
}

void Paint(HWND h, ButtonState& s) {
    control::PaintScope paint(h, s.font);
    if (!paint.dc()) return;
    const ButtonTraits& t = TraitsOf(h);
    switch (t.kind) {
    case ButtonKind::Push: PaintPush(paint.dc(), paint.client(), h, s, t.isDefault); break;
    case ButtonKind::Check:
    case ButtonKind::Radio: PaintMarked(paint.dc(), paint.client(), h, s, t.kind); break;
    case ButtonKind::Group: PaintGroup(paint.dc(), paint.client(), h); break;
    }
}

bool IsAutoRadio(HWND h) {
    char name[16] = {};
    GetClassNameA(h, name, sizeof name);
    return std::strcmp(name, WC_BUTTON) == 0 && (control::StyleOf(h) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// The group runs from the nearest WS_GROUP sibling at or before the button to the next one.
void UncheckGroupMates(HWND h) {
    HWND first = h;
    while (!(control::StyleOf(first) & WS_GROUP)) {
        const HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    for (HWND s = first; s; s = GetWindow(s, GW_HWNDNEXT)) {
        if (s != first && (control::StyleOf(s) & WS_GROUP)) break;
        if (s != h && IsAutoRadio(s)) SendMessageA(s, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Click(HWND h) {
    const ButtonTraits& t = TraitsOf(h);
    if (t.kind == ButtonKind::Group) return;
    if (t.automatic && t.kind == ButtonKind::Check) {
        ButtonState* s = Class::Store().Find(h);
        SendMessageA(h, BM_SETCHECK, s && s->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    if (t.automatic && t.kind == ButtonKind::Radio) {
        UncheckGroupMates(h);
        SendMessageA(h, BM_SETCHECK, BST_CHECKED, 0);
    }
    control::Notify(h, BN_CLICKED);
}

void SetCheck(HWND h, ButtonState& s, WPARAM check) {
    const ButtonKind kind = TraitsOf(h).kind;
    if (kind != ButtonKind::Check && kind != ButtonKind::Radio) return;
    if (check > 2) check = BST_CHECKED;
    if (s.check != check) control::Redraw(h);
    s.check = check;
    // A checked radio button is its group's tab stop; the others are not.
    if (kind == ButtonKind::Radio) {
        const DWORD style = control::StyleOf(h);
        SetWindowLongPtrA(h, GWL_STYLE, check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void SetPushed(HWND h, ButtonState& s, bool pushed) {
    if (s.pushed == pushed) return;
    s.pushed = pushed;
    control::Redraw(h);
}

LRESULT Mouse(HWND h, ButtonState& s, UINT msg, LPARAM lp) {
    const POINT p = control::MousePoint(lp);
    const bool inside = control::Inside(control::ClientOf(h), p);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (TraitsOf(h).kind == ButtonKind::Group) return 0;
        if (GetFocus() != h) SetFocus(h);
        SetCapture(h);
        s.tracking = true;
        SetPushed(h, s, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking) SetPushed(h, s, inside);
        return 0;
    case WM_LBUTTONUP:
        if (!s.tracking) return 0;
        s.tracking = false;
        SetPushed(h, s, false);
        if (GetCapture() == h) ReleaseCapture();
        if (inside) Click(h);   // a release outside the button cancels the press
        return 0;
    default: return 0;
    }
}

LRESULT Keys(HWND h, ButtonState& s, UINT msg, WPARAM wp) {
    if (wp != VK_SPACE || TraitsOf(h).kind == ButtonKind::Group) return 0;
    if (msg == WM_KEYDOWN && !s.tracking) {
        s.spaceDown = true;
        SetPushed(h, s, true);
    } else if (msg == WM_KEYUP && s.spaceDown) {
        s.spaceDown = false;
        SetPushed(h, s, false);
        Click(h);
    }
    return 0;
}

LRESULT Focus(HWND h, ButtonState& s, bool gained) {
    s.focused = gained;
    if (!gained) {
        s.spaceDown = false;
        SetPushed(h, s, s.tracking && s.pushed);
    }
    control::Redraw(h);
    return 0;
}

LRESULT ButtonMessage(HWND h, ButtonState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case BM_GETCHECK: return LRESULT(s.check);
    case BM_SETCHECK: SetCheck(h, s, wp); return 0;
    case BM_GETSTATE:
        return LRESULT(s.check | (s.pushed ? BST_PUSHED : 0) | (s.focused ? BST_FOCUS : 0));
    case BM_SETSTATE: SetPushed(h, s, wp != 0); return 0;
    case BM_SETSTYLE:
        SetWindowLongPtrA(h, GWL_STYLE, intptr_t((control::StyleOf(h) & ~BS_TYPEMASK) | (wp & BS_TYPEMASK)));
        if (LOWORD(WPARAM(lp))) control::Redraw(h);
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(h)) Click(h);
        return 0;
    default: return 0;
    }
}

LRESULT Proc(HWND h, ButtonState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE: return TraitsOf(h).dlgCode;
    case WM_SETTEXT: {
        const LRESULT set = DefWindowProcA(h, msg, wp, lp);
        control::Redraw(h);
        return set;
    }
    case WM_ERASEBKGND: return 1;   // WM_PAINT covers every pixel
    case WM_PAINT: Paint(h, s); return 0;
    case WM_SETFOCUS: return Focus(h, s, true);
    case WM_KILLFOCUS: return Focus(h, s, false);
    case WM_CAPTURECHANGED: if (s.tracking) { s.tracking = false; SetPushed(h, s, false); } return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE: case WM_LBUTTONUP:
        return Mouse(h, s, msg, lp);
    case WM_KEYDOWN: case WM_KEYUP: return Keys(h, s, msg, wp);
    case BM_GETCHECK: case BM_SETCHECK: case BM_GETSTATE: case BM_SETSTATE: case BM_SETSTYLE: case BM_CLICK:
        return ButtonMessage(h, s, msg, wp, lp);
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool ButtonControl::Register() { return Class::Register(WC_BUTTON, CS_DBLCLKS); }
