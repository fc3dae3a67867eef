// Single-selection list box. A user's selection (click, arrow keys) reports LBN_SELCHANGE when
// LBS_NOTIFY is set; LB_SETCURSEL never does. When the items outgrow the box a scroll bar with
// two arrows appears at its right and the list scrolls to keep the selection in view; with
// WS_HSCROLL a bar at the bottom appears once the horizontal extent outgrows the box.
#include "platform/ui/list_box_control.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"
#include "platform/ui/item_list.h"

namespace {

constexpr int kScrollWidth = 16;
constexpr int kLineStep = 8;   // pixels one arrow of the horizontal bar scrolls

struct ListState {
    HFONT font = 0;
    ItemList items;
    int top = 0;
    int extent = 0;    // LB_SETHORIZONTALEXTENT, pixels
    int left = 0;      // pixels scrolled out at the left
    bool focused = false;
};

LRESULT Proc(HWND h, ListState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<ListState, &Proc>;

int ItemHeight(const ListState& s) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, control::FontOf(s.font));
    const int height = ClassicLook::LineHeight(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return height;
}

// Where the items stand and which scroll bars take room beside and below them.
struct ListLayout {
    RECT items;
    bool vertical = false;
    bool horizontal = false;
};

ListLayout LayoutOf(HWND h, const ListState& s) {
    const RECT c = control::ClientOf(h);
    const bool mayScrollSideways = control::StyleOf(h) & WS_HSCROLL;
    ListLayout l{c};
    // Each bar takes room the other may then need: two rounds settle it.
    for (int round = 0; round < 2; ++round) {
        const int rows = std::max(1, int(c.bottom - (l.horizontal ? kScrollWidth : 0)) / ItemHeight(s));
        l.vertical = s.items.Count() > rows;
        l.horizontal = mayScrollSideways && s.extent > c.right - (l.vertical ? kScrollWidth : 0);
    }
    l.items = {0, 0, c.right - (l.vertical ? kScrollWidth : 0), c.bottom - (l.horizontal ? kScrollWidth : 0)};
    return l;
}

int VisibleRows(HWND h, const ListState& s) {
    return std::max(1, int(LayoutOf(h, s).items.bottom) / ItemHeight(s));
}

void ClampTop(HWND h, ListState& s) {
    s.top = std::clamp(s.top, 0, std::max(0, s.items.Count() - VisibleRows(h, s)));
    const ListLayout l = LayoutOf(h, s);
    s.left = l.horizontal ? std::clamp(s.left, 0, std::max(0, s.extent - int(l.items.right))) : 0;
}

void EnsureVisible(HWND h, ListState& s, int index) {
    if (index < 0) return;
    if (index < s.top) s.top = index;
    else if (index >= s.top + VisibleRows(h, s)) s.top = index - VisibleRows(h, s) + 1;
    ClampTop(h, s);
}

void Select(HWND h, ListState& s, int index, bool byUser) {
    if (!s.items.Valid(index)) index = -1;
    const bool changed = index != s.items.selection;
    s.items.selection = index;
    EnsureVisible(h, s, index);
    control::Redraw(h);
    if (byUser && changed && (control::StyleOf(h) & LBS_NOTIFY)) control::Notify(h, LBN_SELCHANGE);
}

// One bar, either way: two arrow boxes and a thumb as long as the part shown of the whole.
struct BarSpec {
    bool vertical;
    int pos, page, total;   // in rows or in pixels
};

void PaintScrollBar(HDC dc, const RECT& r, const BarSpec& bar, bool enabled) {
    ClassicLook::Fill(dc, r, 0xE0E0E0);
    const int length = bar.vertical ? r.bottom - r.top : r.right - r.left;
    const RECT first = bar.vertical ? RECT{r.left, r.top, r.right, r.top + kScrollWidth}
                                    : RECT{r.left, r.top, r.left + kScrollWidth, r.bottom};
    const RECT last = bar.vertical ? RECT{r.left, r.bottom - kScrollWidth, r.right, r.bottom}
                                   : RECT{r.right - kScrollWidth, r.top, r.right, r.bottom};
    const ArrowDirection back = bar.vertical ? ArrowDirection::Up : ArrowDirection::Left;
    const ArrowDirection on = bar.vertical ? ArrowDirection::Down : ArrowDirection::Right;
    for (const auto& [box, dir] : {std::pair{first, back}, std::pair{last, on}}) {
        ClassicLook::Fill(dc, box, classic::kFace);
        ClassicLook::Edge(dc, box, EdgeKind::RaisedButton);
        ClassicLook::Arrow(dc, box, dir, enabled);
    }
    const int track = length - 2 * kScrollWidth;
    const int total = std::max(1, bar.total);
    const int thumb = std::clamp(track * bar.page / total, std::min(8, track), track);
    const int at = kScrollWidth + (track - thumb) * bar.pos / std::max(1, total - bar.page);
    const RECT t = bar.vertical ? RECT{r.left, r.top + at, r.right, r.top + at + thumb}
                                : RECT{r.left + at, r.top, r.left + at + thumb, r.bottom};
    ClassicLook::Fill(dc, t, classic::kFace);
    ClassicLook::Edge(dc, t, EdgeKind::RaisedButton);
}

void Paint(HWND h, const ListState& s) {
    control::PaintScope paint(h, s.font);
    const HDC dc = paint.dc();
    if (!dc) return;
    const bool enabled = IsWindowEnabled(h);
    const ListLayout l = LayoutOf(h, s);
    const RECT& area = l.items;
    const RECT& c = paint.client();
    ClassicLook::Fill(dc, area, classic::kWindow);
    const int height = ItemHeight(s);
    for (int i = s.top; i < s.items.Count() && (i - s.top) * height < area.bottom; ++i) {
        const RECT row{area.left, (i - s.top) * height, area.right, std::min<LONG>((i - s.top + 1) * height, area.bottom)};
        const bool selected = i == s.items.selection && enabled;   // a disabled list shows no selection
        if (selected) ClassicLook::Fill(dc, row, classic::kSelection);
        SetTextColor(dc, !enabled ? classic::kGrayText : selected ? classic::kSelectionText : classic::kText);
        RECT text{row.left + 2 - s.left, row.top, row.right, row.bottom};
        const std::string& item = s.items.Text(i);
        DrawTextA(dc, item.c_str(), int(item.size()), &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        if (selected && s.focused) ClassicLook::FocusRect(dc, row);
    }
    if (l.vertical)
        PaintScrollBar(dc, {area.right, 0, c.right, area.bottom}, {true, s.top, VisibleRows(h, s), s.items.Count()}, enabled);
    if (l.horizontal)
        PaintScrollBar(dc, {0, area.bottom, area.right, c.bottom}, {false, s.left, int(area.right), s.extent}, enabled);
    if (l.vertical && l.horizontal) ClassicLook::Fill(dc, {area.right, area.bottom, c.right, c.bottom}, classic::kFace);
}

// A press on an arrow moves a row or a few pixels, on the track a page.
int BarStep(int at, int length, int page, int line) {
    if (at < kScrollWidth) return -line;
    if (at >= length - kScrollWidth) return line;
    return at < length / 2 ? -page : page;
}

LRESULT Click(HWND h, ListState& s, LPARAM lp) {
    if (GetFocus() != h) SetFocus(h);
    const POINT p = control::MousePoint(lp);
    const ListLayout l = LayoutOf(h, s);
    if (p.x >= l.items.right || p.y >= l.items.bottom) {
        if (l.vertical && p.x >= l.items.right && p.y < l.items.bottom)
            s.top += BarStep(p.y, l.items.bottom, VisibleRows(h, s), 1);
        else if (l.horizontal && p.y >= l.items.bottom && p.x < l.items.right)
            s.left += BarStep(p.x, l.items.right, l.items.right, kLineStep);
        ClampTop(h, s);
        control::Redraw(h);
        return 0;
    }
    const int index = s.top + p.y / ItemHeight(s);
    if (s.items.Valid(index)) Select(h, s, index, true);
    return 0;
}

LRESULT KeyDown(HWND h, ListState& s, WPARAM vk) {
    const int n = s.items.Count();
    if (n == 0) return 0;
    int at = s.items.selection;
    switch (vk) {
    case VK_UP: case VK_LEFT: at = at < 0 ? 0 : std::max(0, at - 1); break;
    case VK_DOWN: case VK_RIGHT: at = at < 0 ? 0 : std::min(n - 1, at + 1); break;
    case VK_HOME: at = 0; break;
    case VK_END: at = n - 1; break;
    default: return 0;
    }
    Select(h, s, at, true);
    return 0;
}

LRESULT CopyText(const ListState& s, WPARAM wp, LPARAM lp) {
    const int index = int(intptr_t(wp));
    if (!s.items.Valid(index) || !lp) return LB_ERR;
    const std::string& text = s.items.Text(index);
    std::memcpy(reinterpret_cast<char*>(lp), text.c_str(), text.size() + 1);
    return LRESULT(text.size());
}

std::string Arg(LPARAM lp) { return lp ? reinterpret_cast<const char*>(lp) : ""; }

LRESULT ListMessage(HWND h, ListState& s, UINT msg, WPARAM wp, LPARAM lp) {
    const int index = int(intptr_t(wp));
    switch (msg) {
    case LB_ADDSTRING: { const int i = s.items.Add(Arg(lp), control::StyleOf(h) & LBS_SORT); control::Redraw(h); return i; }
    case LB_INSERTSTRING: { const int i = s.items.Insert(index, Arg(lp)); control::Redraw(h); return i < 0 ? LB_ERR : i; }
    case LB_DELETESTRING: { const int n = s.items.Delete(index); ClampTop(h, s); control::Redraw(h); return n < 0 ? LB_ERR : n; }
    case LB_RESETCONTENT: s.items.Reset(); s.top = 0; control::Redraw(h); return 0;
    case LB_GETCOUNT: return s.items.Count();
    case LB_GETCURSEL: return s.items.selection;
    case LB_SETCURSEL: Select(h, s, index, false); return s.items.Valid(index) ? index : LB_ERR;
    case LB_GETTEXT: return CopyText(s, wp, lp);
    case LB_GETTEXTLEN: return s.items.Valid(index) ? LRESULT(s.items.Text(index).size()) : LB_ERR;
    case LB_FINDSTRING: return s.items.Find(index, Arg(lp), false);
    case LB_FINDSTRINGEXACT: return s.items.Find(index, Arg(lp), true);
    case LB_SELECTSTRING: {
        const int found = s.items.Find(index, Arg(lp), false);
        if (found >= 0) Select(h, s, found, false);
        return found;
    }
    case LB_SETHORIZONTALEXTENT: s.extent = std::max(0, index); ClampTop(h, s); control::Redraw(h); return 0;
    case LB_GETHORIZONTALEXTENT: return s.extent;
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX: s.top = index; ClampTop(h, s); control::Redraw(h); return s.items.Valid(index) ? 0 : LB_ERR;
    case LB_GETITEMHEIGHT: return ItemHeight(s);
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

LRESULT Proc(HWND h, ListState& s, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= LB_ADDSTRING && msg <= LB_FINDSTRINGEXACT) return ListMessage(h, s, msg, wp, lp);
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    case WM_SETFOCUS: case WM_KILLFOCUS:
        s.focused = msg == WM_SETFOCUS;
        control::Redraw(h);
        if (control::StyleOf(h) & LBS_NOTIFY) control::Notify(h, s.focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: return Click(h, s, lp);
    case WM_LBUTTONDBLCLK:
        Click(h, s, lp);
        if (control::StyleOf(h) & LBS_NOTIFY) control::Notify(h, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN: return KeyDown(h, s, wp);
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool ListBoxControl::Register() { return Class::Register(WC_LISTBOX, CS_DBLCLKS); }
