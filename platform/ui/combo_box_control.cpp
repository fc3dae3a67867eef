// Combo boxes are a list box plus a field. The items live in the list box (a child for
// CBS_SIMPLE, an owned pop-up for CBS_DROPDOWNLIST), so every CB_ request is its LB_ twin.
// A user's pick reports CBN_SELCHANGE; CB_SETCURSEL and CB_SELECTSTRING do not.
#include "platform/ui/combo_box_control.h"

#include <algorithm>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"

namespace {

constexpr int kEditId = 1001, kListId = 1000;
constexpr int kButtonWidth = 16;

struct Twin {
    UINT combo, list;
};
constexpr Twin kTwins[] = {
    {CB_ADDSTRING, LB_ADDSTRING}, {CB_INSERTSTRING, LB_INSERTSTRING},
    {CB_DELETESTRING, LB_DELETESTRING}, {CB_GETCOUNT, LB_GETCOUNT},
    {CB_GETCURSEL, LB_GETCURSEL}, {CB_GETLBTEXT, LB_GETTEXT}, {CB_GETLBTEXTLEN, LB_GETTEXTLEN},
    {CB_FINDSTRING, LB_FINDSTRING}, {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT},
    {CB_SETHORIZONTALEXTENT, LB_SETHORIZONTALEXTENT}, {CB_GETHORIZONTALEXTENT, LB_GETHORIZONTALEXTENT},
};

struct ComboState {
    HFONT font = 0;
    HWND edit = 0;
    HWND list = 0;
    int dropHeight = 0;
    bool dropped = false;
    bool focused = false;
    bool syncing = false;   // the edit's text is being set from the list
};

void LendFont(HWND h, UINT msg, WPARAM wp, LPARAM lp);
LRESULT Proc(HWND h, ComboState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<ComboState, &Proc, &LendFont>;

bool Simple(HWND h) { return (control::StyleOf(h) & 0x3) == CBS_SIMPLE; }

int FieldHeight(HFONT font) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, control::FontOf(font));
    const int line = ClassicLook::LineHeight(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return line + 8;
}

int Selection(const ComboState& s) { return int(SendMessageA(s.list, LB_GETCURSEL, 0, 0)); }

std::string ItemText(const ComboState& s, int index) {
    const LRESULT n = SendMessageA(s.list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (n < 0) return {};
    std::string text(size_t(n) + 1, '\0');
    SendMessageA(s.list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(size_t(n));
    return text;
}

// The field shows the selected item.
void SyncField(HWND h, ComboState& s) {
    if (s.edit) {
        const int sel = Selection(s);
        if (sel >= 0) {
            s.syncing = true;
            SetWindowTextA(s.edit, ItemText(s, sel).c_str());
            s.syncing = false;
        }
    }
    control::Redraw(h);
}

void CloseUp(HWND h, ComboState& s) {
    if (!s.dropped) return;
    s.dropped = false;
    ShowWindow(s.list, SW_HIDE);
    control::Redraw(h);
    control::Notify(h, CBN_CLOSEUP);
}

void DropDown(HWND h, ComboState& s) {
    if (s.dropped || Simple(h)) return;
    control::Notify(h, CBN_DROPDOWN);
    RECT r;
    GetWindowRect(h, &r);
    MoveWindow(s.list, r.left, r.bottom, r.right - r.left, std::max(s.dropHeight - (r.bottom - r.top), 20), FALSE);
    ShowWindow(s.list, SW_SHOWNA);
    s.dropped = true;
    control::Redraw(h);
}

LRESULT Create(HWND h, ComboState& s, const CREATESTRUCTA& cs) {
    const int field = FieldHeight(s.font);
    if (Simple(h)) {
        s.edit = CreateWindowExA(WS_EX_CLIENTEDGE, WC_EDIT, "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                 0, 0, cs.cx, field, h, kEditId, 0, nullptr);
        // The list scrolls sideways when the combo asks for it with WS_HSCROLL.
        s.list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY |
                                 (cs.style & CBS_SORT ? LBS_SORT : 0) | (cs.style & WS_HSCROLL),
                                 0, field, cs.cx, std::max(cs.cy - field, 0), h, kListId, 0, nullptr);
    } else {
        // The template's height is the open list's; the closed box is one field high.
        s.dropHeight = cs.cy;
        s.list = CreateWindowExA(0, WC_LISTBOX, "", WS_POPUP | WS_BORDER | LBS_NOTIFY |
                                 (cs.style & CBS_SORT ? LBS_SORT : 0),
                                 0, 0, cs.cx, cs.cy, h, kListId, 0, nullptr);
        SetWindowPos(h, 0, 0, 0, cs.cx, field, SWP_NOMOVE | SWP_NOZORDER);
    }
    return s.list && (s.edit || !Simple(h)) ? 0 : -1;
}

// What the parts tell the combo.
LRESULT Command(HWND h, ComboState& s, WPARAM wp, LPARAM lp) {
    const HWND from = HWND(lp);
    if (from == s.list && HIWORD(wp) == LBN_SELCHANGE) {
        SyncField(h, s);
        CloseUp(h, s);
        control::Notify(h, CBN_SELCHANGE);
    } else if (from == s.edit && HIWORD(wp) == EN_CHANGE && !s.syncing) {
        control::Notify(h, CBN_EDITCHANGE);
    }
    return 0;
}

void PaintDropList(HWND h, const ComboState& s) {
    control::PaintScope paint(h, s.font);
    const HDC dc = paint.dc();
    if (!dc) return;
    const bool enabled = IsWindowEnabled(h);
    const RECT inner = ClassicLook::Edge(dc, paint.client(), EdgeKind::Sunken);
    const RECT button{inner.right - kButtonWidth, inner.top, inner.right, inner.bottom};
    RECT field{inner.left, inner.top, button.left, inner.bottom};
    ClassicLook::Fill(dc, field, enabled ? classic::kWindow : classic::kFace);
    const int sel = Selection(s);
    const RECT mark = ClassicLook::Inset(field, 1);
    if (s.focused && !s.dropped) ClassicLook::Fill(dc, mark, classic::kSelection);
    if (sel >= 0) {
        SetTextColor(dc, !enabled ? classic::kGrayText : (s.focused && !s.dropped) ? classic::kSelectionText : classic::kText);
        const std::string text = ItemText(s, sel);
        RECT t{mark.left + 2, mark.top, mark.right, mark.bottom};
        DrawTextA(dc, text.c_str(), int(text.size()), &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (s.focused && !s.dropped) ClassicLook::FocusRect(dc, mark);
    ClassicLook::Fill(dc, button, classic::kFace);
    ClassicLook::Edge(dc, button, s.dropped ? EdgeKind::Pressed : EdgeKind::RaisedButton);
    ClassicLook::Arrow(dc, button, ArrowDirection::Down, enabled);
}

LRESULT TextMessage(HWND h, ComboState& s, UINT msg, WPARAM wp, LPARAM lp) {
    if (s.edit) return SendMessageA(s.edit, msg, wp, lp);
    const int sel = Selection(s);
    const std::string text = sel >= 0 ? ItemText(s, sel) : "";
    if (msg == WM_GETTEXTLENGTH) return LRESULT(text.size());
    if (msg == WM_GETTEXT) {
        char* out = reinterpret_cast<char*>(lp);
        if (!out || wp == 0) return 0;
        const size_t n = std::min(text.size(), size_t(wp) - 1);
        text.copy(out, n);
        out[n] = 0;
        return LRESULT(n);
    }
    // WM_SETTEXT on a drop-down list selects the item with exactly that text.
    const LRESULT found = SendMessageA(s.list, LB_FINDSTRINGEXACT, WPARAM(-1), lp);
    if (found < 0) return CB_ERR;
    SendMessageA(s.list, LB_SETCURSEL, WPARAM(found), 0);
    control::Redraw(h);
    return TRUE;
}

LRESULT KeyDown(HWND h, ComboState& s, WPARAM vk) {
    const int n = int(SendMessageA(s.list, LB_GETCOUNT, 0, 0));
    const int sel = Selection(s);
    int next = sel;
    if (vk == VK_UP || vk == VK_LEFT) next = std::max(0, sel - 1);
    else if (vk == VK_DOWN || vk == VK_RIGHT) next = std::min(n - 1, sel + 1);
    else if (vk == VK_HOME) next = 0;
    else if (vk == VK_END) next = n - 1;
    else if (vk == VK_RETURN || vk == VK_ESCAPE) CloseUp(h, s);
    if (n == 0 || next == sel || next < 0) return 0;
    SendMessageA(s.list, LB_SETCURSEL, WPARAM(next), 0);
    SyncField(h, s);
    control::Notify(h, CBN_SELCHANGE);
    return 0;
}

LRESULT ComboMessage(HWND h, ComboState& s, UINT msg, WPARAM wp, LPARAM lp) {
    for (const Twin& t : kTwins)
        if (t.combo == msg) return SendMessageA(s.list, t.list, wp, lp);
    switch (msg) {
    case CB_SETCURSEL: {
        const LRESULT r = SendMessageA(s.list, LB_SETCURSEL, wp, lp);
        if (r < 0 && s.edit) SetWindowTextA(s.edit, "");
        SyncField(h, s);
        return r;
    }
    case CB_SELECTSTRING: {
        const LRESULT r = SendMessageA(s.list, LB_SELECTSTRING, wp, lp);
        if (r >= 0) SyncField(h, s);
        return r;
    }
    case CB_RESETCONTENT:
        SendMessageA(s.list, LB_RESETCONTENT, 0, 0);
        if (s.edit) SetWindowTextA(s.edit, "");
        control::Redraw(h);
        return 0;
    case CB_SHOWDROPDOWN: wp ? DropDown(h, s) : CloseUp(h, s); return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped;
    default: return CB_ERR;
    }
}

LRESULT Proc(HWND h, ComboState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return Create(h, s, *reinterpret_cast<const CREATESTRUCTA*>(lp));
    case WM_DESTROY: if (s.list && !Simple(h)) DestroyWindow(s.list); return 0;
    case WM_COMMAND: return Command(h, s, wp, lp);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_SETTEXT: return TextMessage(h, s, msg, wp, lp);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (Simple(h)) {
            control::PaintScope paint(h, s.font);
            ClassicLook::Fill(paint.dc(), paint.client(), classic::kFace);
        } else {
            PaintDropList(h, s);
        }
        return 0;
    case WM_SETFOCUS:
        if (s.edit) { SetFocus(s.edit); return 0; }
        s.focused = true;
        control::Redraw(h);
        control::Notify(h, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        CloseUp(h, s);
        control::Redraw(h);
        control::Notify(h, CBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        if (Simple(h)) return 0;
        if (GetFocus() != h) SetFocus(h);
        s.dropped ? CloseUp(h, s) : DropDown(h, s);
        return 0;
    case WM_KEYDOWN: return KeyDown(h, s, wp);
    default:
        if (msg >= CB_ADDSTRING && msg <= CB_GETHORIZONTALEXTENT + 1) return ComboMessage(h, s, msg, wp, lp);
        return DefWindowProcA(h, msg, wp, lp);
    }
}

// The parts wear the combo's font.
void LendFont(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETFONT) return;
    if (ComboState* parts = Class::Store().Find(h)) {
        if (parts->edit) SendMessageA(parts->edit, WM_SETFONT, wp, lp);
        if (parts->list) SendMessageA(parts->list, WM_SETFONT, wp, lp);
    }
}

}  // namespace

bool ComboBoxControl::Register() { return Class::Register(WC_COMBOBOX, CS_DBLCLKS); }
