// Tab strip in the classic look: the selected tab stands two pixels taller and wider and
// joins the raised page below it. A click or an arrow key asks TCN_SELCHANGING (non-zero keeps
// the old tab) then reports TCN_SELCHANGE; TCM_SETCURSEL changes the tab silently.
#include "platform/ui/tab_control.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"

namespace {

constexpr int kPadding = 6;    // text to tab side
constexpr int kRaise = 2;      // how far the selected tab stands out
constexpr int kPageInset = 4;  // page edge to display area

struct TabState {
    HFONT font = 0;
    std::vector<std::string> items;
    int selection = -1;
    bool focused = false;
};

LRESULT Proc(HWND h, TabState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<TabState, &Proc>;

int TextWidth(const TabState& s, const std::string& text, int& lineHeight) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, control::FontOf(s.font));
    RECT r{0, 0, 1000, 100};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    lineHeight = ClassicLook::LineHeight(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r.right - r.left;
}

int StripHeight(const TabState& s) {
    int line = 13;
    TextWidth(s, "", line);
    return line + 6 + kRaise;
}

// Unselected tab rectangles, left to right in one row.
RECT ItemRect(const TabState& s, int index) {
    int x = kRaise, line = 13;
    for (int i = 0; i < index; ++i) x += TextWidth(s, s.items[size_t(i)], line) + 2 * kPadding;
    const int w = TextWidth(s, s.items[size_t(index)], line) + 2 * kPadding;
    return {x, kRaise, x + w, StripHeight(s)};
}

void PaintTab(HDC dc, RECT r, const std::string& text, bool selected, bool focused, bool enabled) {
    if (selected) r = {r.left - kRaise, r.top - kRaise, r.right + kRaise, r.bottom + 1};
    ClassicLook::Fill(dc, r, classic::kFace);
    // Rounded top corners: the diagonal pixel, then the sides.
    ClassicLook::Fill(dc, {r.left, r.top + 2, r.left + 1, r.bottom}, classic::kHighlight);
    SetPixel(dc, r.left + 1, r.top + 1, classic::kHighlight);
    ClassicLook::Fill(dc, {r.left + 2, r.top, r.right - 2, r.top + 1}, classic::kHighlight);
    ClassicLook::Fill(dc, {r.right - 2, r.top + 1, r.right - 1, r.bottom}, classic::kShadow);
    ClassicLook::Fill(dc, {r.right - 1, r.top + 2, r.right, r.bottom}, classic::kDarkShadow);
    SetPixel(dc, r.right - 2, r.top + 1, classic::kDarkShadow);
    RECT t{r.left, r.top + 1, r.right, r.bottom - (selected ? 1 : 0)};
    ClassicLook::Text(dc, text, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE, enabled);
    if (selected && focused) ClassicLook::FocusRect(dc, {r.left + 3, r.top + 3, r.right - 3, r.bottom - 2});
}

void Paint(HWND h, const TabState& s) {
    control::PaintScope paint(h, s.font);
    const HDC dc = paint.dc();
    if (!dc) return;
    const RECT& c = paint.client();
    const int strip = StripHeight(s);
    ClassicLook::Fill(dc, c, classic::kFace);
    ClassicLook::Edge(dc, {c.left, strip, c.right, c.bottom}, EdgeKind::RaisedFrame);
    const bool enabled = IsWindowEnabled(h);
    for (int i = 0; i < int(s.items.size()); ++i)
        if (i != s.selection) PaintTab(dc, ItemRect(s, i), s.items[size_t(i)], false, false, enabled);
    // Drawn last so it covers its neighbours and the page's top line beneath it.
    if (s.selection >= 0)
        PaintTab(dc, ItemRect(s, s.selection), s.items[size_t(s.selection)], true, s.focused, enabled);
}

void ChangeByUser(HWND h, TabState& s, int index) {
    if (index < 0 || index >= int(s.items.size()) || index == s.selection) return;
    NMHDR header;
    if (control::NotifyHeader(h, header, TCN_SELCHANGING)) return;   // the page refused to go
    s.selection = index;
    control::Redraw(h);
    control::NotifyHeader(h, header, TCN_SELCHANGE);
}

LRESULT Click(HWND h, TabState& s, LPARAM lp) {
    const POINT p = control::MousePoint(lp);
    for (int i = 0; i < int(s.items.size()); ++i) {
        RECT r = ItemRect(s, i);
        if (i == s.selection) r = {r.left - kRaise, r.top - kRaise, r.right + kRaise, r.bottom};
        if (!control::Inside(r, p)) continue;
        if (GetFocus() != h) SetFocus(h);
        ChangeByUser(h, s, i);
        return 0;
    }
    return 0;
}

void AdjustRect(const TabState& s, BOOL larger, RECT* r) {
    if (!r) return;
    const int strip = StripHeight(s);
    const int d = larger ? -1 : 1;
    r->left += d * kPageInset;
    r->right -= d * kPageInset;
    r->top += d * (strip + kPageInset);
    r->bottom -= d * kPageInset;
}

LRESULT TabMessage(HWND h, TabState& s, UINT msg, WPARAM wp, LPARAM lp) {
    const int index = int(intptr_t(wp));
    const auto* item = reinterpret_cast<const TCITEMA*>(lp);
    switch (msg) {
    case TCM_GETITEMCOUNT: return LRESULT(s.items.size());
    case TCM_INSERTITEMA: {
        if (!item || index < 0) return -1;
        const int at = std::min(index, int(s.items.size()));
        s.items.insert(s.items.begin() + at, (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : "");
        if (s.selection < 0) s.selection = 0;
        else if (s.selection >= at) ++s.selection;
        control::Redraw(h);
        return at;
    }
    case TCM_SETITEMA:
        if (!item || index < 0 || index >= int(s.items.size())) return FALSE;
        if ((item->mask & TCIF_TEXT) && item->pszText) s.items[size_t(index)] = item->pszText;
        control::Redraw(h);
        return TRUE;
    case TCM_DELETEITEM:
        if (index < 0 || index >= int(s.items.size())) return FALSE;
        s.items.erase(s.items.begin() + index);
        if (s.selection == index) s.selection = -1;
        else if (s.selection > index) --s.selection;
        control::Redraw(h);
        return TRUE;
    case TCM_GETCURSEL: return s.selection;
    case TCM_SETCURSEL: {
        if (index < 0 || index >= int(s.items.size())) return -1;
        const int old = s.selection;
        s.selection = index;
        control::Redraw(h);
        return old;
    }
    case TCM_GETITEMRECT:
        if (index < 0 || index >= int(s.items.size()) || !lp) return FALSE;
        *reinterpret_cast<RECT*>(lp) = ItemRect(s, index);
        return TRUE;
    case TCM_ADJUSTRECT: AdjustRect(s, BOOL(wp), reinterpret_cast<RECT*>(lp)); return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

LRESULT Proc(HWND h, TabState& s, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= TCM_GETITEMCOUNT && msg <= TCM_ADJUSTRECT) return TabMessage(h, s, msg, wp, lp);
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    case WM_SETFOCUS: case WM_KILLFOCUS: s.focused = msg == WM_SETFOCUS; control::Redraw(h); return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: return Click(h, s, lp);
    case WM_KEYDOWN:
        if (wp == VK_LEFT) ChangeByUser(h, s, s.selection - 1);
        if (wp == VK_RIGHT) ChangeByUser(h, s, s.selection + 1);
        return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool TabControl::Register() { return Class::Register(WC_TABCONTROL, CS_DBLCLKS); }
