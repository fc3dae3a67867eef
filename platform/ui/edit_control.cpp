// Single-line edit: the text lives in the window's text; the caret is the active end of the
// selection. Every change of text, WM_SETTEXT included, reports EN_UPDATE then EN_CHANGE.
#include "platform/ui/edit_control.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"
#include "platform/win/window_manager.h"

namespace {

constexpr int kMargin = 1;          // pixels between the edge and the first character
constexpr size_t kDefaultLimit = 30000;
// The caret blinks on the window timers, which only a person's clock moves: under a script it
// stays lit, so pictures do not depend on timing.
constexpr uintptr_t kBlinkTimer = 1;
constexpr UINT kBlinkMs = 530;

struct EditState {
    HFONT font = 0;
    size_t anchor = 0;   // the fixed end of the selection
    size_t caret = 0;    // the moving end
    int scroll = 0;      // pixels of text scrolled out at the left
    size_t limit = kDefaultLimit;
    bool focused = false;
    bool dragging = false;
    bool caretLit = true;
};

LRESULT Proc(HWND h, EditState& s, UINT msg, WPARAM wp, LPARAM lp);
using Class = ControlClass<EditState, &Proc>;

std::string& TextRef(HWND h) {
    static std::string none;
    Window* w = WindowManager::Instance().Get(h);
    return w ? w->text : none;
}

size_t SelStart(const EditState& s) { return std::min(s.anchor, s.caret); }
size_t SelEnd(const EditState& s) { return std::max(s.anchor, s.caret); }
bool ReadOnly(HWND h) { return control::StyleOf(h) & ES_READONLY; }

// Pixel widths of text prefixes, measured with the control's font.
int PrefixWidth(HWND h, const EditState& s, const std::string& text, size_t n) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, control::FontOf(s.font));
    SIZE size;
    GetTextExtentPoint32A(dc, text.c_str(), int(std::min(n, text.size())), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    (void)h;
    return size.cx;
}

size_t IndexAt(HWND h, const EditState& s, int x) {
    const std::string& text = TextRef(h);
    const int target = x - kMargin + s.scroll;
    size_t best = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const int w = PrefixWidth(h, s, text, i);
        if (w > target) {
            const int before = PrefixWidth(h, s, text, i == 0 ? 0 : i - 1);
            return (target - before) * 2 >= (w - before) ? i : (i == 0 ? 0 : i - 1);
        }
        best = i;
    }
    return best;
}

// Scrolls so the caret stays inside the box, leaving a quarter of the width of context.
void KeepCaretVisible(HWND h, EditState& s) {
    const int width = std::max(1, int(control::ClientOf(h).right) - 2 * kMargin);
    const int x = PrefixWidth(h, s, TextRef(h), s.caret);
    if (x - s.scroll < 0) s.scroll = std::max(0, x - width / 4);
    else if (x - s.scroll >= width) s.scroll = x - width + width / 4;
    const int total = PrefixWidth(h, s, TextRef(h), TextRef(h).size());
    if (total - s.scroll < width) s.scroll = std::max(0, total - width + 1);
}

// A caret that moved is shown at once, and blinks again from there.
void RestartBlink(HWND h, EditState& s) {
    s.caretLit = true;
    if (s.focused) SetTimer(h, kBlinkTimer, kBlinkMs, nullptr);
}

void Blink(HWND h, EditState& s) {
    s.caretLit = !s.caretLit;
    control::Redraw(h);
}

void SetSelection(HWND h, EditState& s, size_t anchor, size_t caret) {
    const size_t n = TextRef(h).size();
    s.anchor = std::min(anchor, n);
    s.caret = std::min(caret, n);
    KeepCaretVisible(h, s);
    RestartBlink(h, s);
    control::Redraw(h);
}

void Changed(HWND h) {
    control::Notify(h, EN_UPDATE);
    control::Notify(h, EN_CHANGE);
}

// Replaces the selection; false when nothing could change (limit reached, nothing to do).
bool ReplaceSelection(HWND h, EditState& s, const std::string& with) {
    std::string& text = TextRef(h);
    const size_t start = SelStart(s), end = SelEnd(s);
    const size_t room = s.limit - std::min(s.limit, text.size() - (end - start));
    const std::string insert = with.substr(0, room);
    if (insert.empty() && start == end) return false;
    text.replace(start, end - start, insert);
    SetSelection(h, s, start + insert.size(), start + insert.size());
    Changed(h);
    return true;
}

void TypeChar(HWND h, EditState& s, unsigned char c) {
    if (c < 0x20 || c == 0x7F || ReadOnly(h)) return;
    if ((control::StyleOf(h) & ES_NUMBER) && (c < '0' || c > '9')) return;   // refused, as the platform does
    ReplaceSelection(h, s, std::string(1, char(c)));
}

void Erase(HWND h, EditState& s, bool forward) {
    if (ReadOnly(h)) return;
    if (s.anchor == s.caret) {
        const size_t n = TextRef(h).size();
        if (forward && s.caret < n) s.anchor = s.caret + 1;
        else if (!forward && s.caret > 0) s.anchor = s.caret - 1;
        else return;
    }
    ReplaceSelection(h, s, "");
}

void MoveCaret(HWND h, EditState& s, size_t to, bool extend) {
    SetSelection(h, s, extend ? s.anchor : to, to);
}

LRESULT KeyDown(HWND h, EditState& s, WPARAM vk) {
    const bool shift = control::ShiftHeld();
    const size_t n = TextRef(h).size();
    switch (vk) {
    case VK_BACK: Erase(h, s, false); break;
    case VK_DELETE: Erase(h, s, true); break;
    case VK_HOME: MoveCaret(h, s, 0, shift); break;
    case VK_END: MoveCaret(h, s, n, shift); break;
    case VK_LEFT:
        // Without shift, a selection collapses to its start.
        if (!shift && s.anchor != s.caret) MoveCaret(h, s, SelStart(s), false);
        else MoveCaret(h, s, s.caret == 0 ? 0 : s.caret - 1, shift);
        break;
    case VK_RIGHT:
        if (!shift && s.anchor != s.caret) MoveCaret(h, s, SelEnd(s), false);
        else MoveCaret(h, s, std::min(n, s.caret + 1), shift);
        break;
    default: break;
    }
    return 0;
}

// A double click selects the word under the pointer with the blanks after it, as the classic
// edit does, so typing replaces the word.
void SelectWord(HWND h, EditState& s, size_t at) {
    const std::string& text = TextRef(h);
    const auto blank = [&text](size_t i) { return text[i] == ' ' || text[i] == '\t'; };
    size_t start = std::min(at, text.size()), end = start;
    while (start > 0 && !blank(start - 1)) --start;
    while (end < text.size() && !blank(end)) ++end;
    while (end < text.size() && blank(end)) ++end;
    SetSelection(h, s, start, end);
}

LRESULT Mouse(HWND h, EditState& s, UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p = control::MousePoint(lp);
    if (msg == WM_LBUTTONDBLCLK) {
        if (GetFocus() != h) SetFocus(h);
        SelectWord(h, s, IndexAt(h, s, p.x));
    } else if (msg == WM_LBUTTONDOWN) {
        if (GetFocus() != h) SetFocus(h);
        SetCapture(h);
        s.dragging = true;
        MoveCaret(h, s, IndexAt(h, s, p.x), (wp & MK_SHIFT) != 0);
    } else if (msg == WM_MOUSEMOVE && s.dragging) {
        MoveCaret(h, s, IndexAt(h, s, p.x), true);
    } else if (msg == WM_LBUTTONUP && s.dragging) {
        s.dragging = false;
        if (GetCapture() == h) ReleaseCapture();
    }
    return 0;
}

void Paint(HWND h, const EditState& s) {
    control::PaintScope paint(h, s.font);
    const HDC dc = paint.dc();
    if (!dc) return;
    const bool enabled = IsWindowEnabled(h);
    const bool grey = !enabled || ReadOnly(h);
    ClassicLook::Fill(dc, paint.client(), grey ? classic::kFace : classic::kWindow);
    const std::string& text = TextRef(h);
    const int line = ClassicLook::LineHeight(dc);
    const int top = (paint.client().bottom - line) / 2;
    const int x0 = kMargin - s.scroll;
    SetTextColor(dc, enabled ? classic::kText : classic::kGrayText);
    TextOutA(dc, x0, top, text.c_str(), int(text.size()));
    // The selection shows only while the control has the focus.
    if (s.focused && s.anchor != s.caret) {
        const size_t a = SelStart(s), b = SelEnd(s);
        const int left = x0 + PrefixWidth(h, s, text, a), right = x0 + PrefixWidth(h, s, text, b);
        ClassicLook::Fill(dc, {left, top, right, top + line}, classic::kSelection);
        SetTextColor(dc, classic::kSelectionText);
        TextOutA(dc, left, top, text.c_str() + a, int(b - a));
    }
    if (s.focused && s.caretLit) {
        const int x = x0 + PrefixWidth(h, s, text, s.caret);
        ClassicLook::Fill(dc, {x, top, x + 1, top + line}, classic::kText);
    }
}

LRESULT GetSel(const EditState& s, WPARAM wp, LPARAM lp) {
    if (wp) *reinterpret_cast<DWORD*>(wp) = DWORD(SelStart(s));
    if (lp) *reinterpret_cast<DWORD*>(lp) = DWORD(SelEnd(s));
    return LRESULT(MAKELPARAM(WORD(SelStart(s)), WORD(SelEnd(s))));
}

void SetSel(HWND h, EditState& s, WPARAM wp, LPARAM lp) {
    const int start = int(intptr_t(wp)), end = int(lp);
    const size_t n = TextRef(h).size();
    if (start < 0) {   // -1 removes the selection and keeps the caret
        SetSelection(h, s, s.caret, s.caret);
        return;
    }
    SetSelection(h, s, size_t(start), end < 0 ? n : size_t(end));
}

LRESULT SetText(HWND h, EditState& s, LPARAM lp) {
    const char* text = lp ? reinterpret_cast<const char*>(lp) : "";
    TextRef(h).assign(text, std::min(std::strlen(text), s.limit));
    s.scroll = 0;
    SetSelection(h, s, 0, 0);
    Changed(h);
    return TRUE;
}

LRESULT Focus(HWND h, EditState& s, bool gained) {
    s.focused = gained;
    if (gained)
        RestartBlink(h, s);
    else
        KillTimer(h, kBlinkTimer);
    control::Redraw(h);
    control::Notify(h, gained ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT EditMessage(HWND h, EditState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case EM_GETSEL: return GetSel(s, wp, lp);
    case EM_SETSEL: SetSel(h, s, wp, lp); return 0;
    case EM_REPLACESEL: ReplaceSelection(h, s, lp ? reinterpret_cast<const char*>(lp) : ""); return 0;
    case EM_SETREADONLY: {
        const DWORD style = control::StyleOf(h);
        SetWindowLongPtrA(h, GWL_STYLE, wp ? (style | ES_READONLY) : (style & ~ES_READONLY));
        control::Redraw(h);
        return TRUE;
    }
    case EM_LIMITTEXT: s.limit = wp ? size_t(wp) : 0x7FFFFFFE; return 0;
    case EM_GETLIMITTEXT: return LRESULT(s.limit);
    default: return 0;
    }
}

LRESULT Proc(HWND h, EditState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        // A bordered edit in a dialog wears the sunken 3-D edge instead of a flat line.
        if (control::StyleOf(h) & WS_BORDER) {
            SetWindowLongPtrA(h, GWL_STYLE, control::StyleOf(h) & ~WS_BORDER);
            SetWindowLongPtrA(h, GWL_EXSTYLE, GetWindowLongPtrA(h, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        if (TextRef(h).size() > s.limit) TextRef(h).resize(s.limit);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT: return SetText(h, s, lp);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    case WM_SETFOCUS: return Focus(h, s, true);
    case WM_KILLFOCUS: return Focus(h, s, false);
    case WM_CHAR: TypeChar(h, s, static_cast<unsigned char>(wp)); return 0;
    case WM_KEYDOWN: return KeyDown(h, s, wp);
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE: case WM_LBUTTONUP:
        return Mouse(h, s, msg, wp, lp);
    case WM_CAPTURECHANGED: s.dragging = false; return 0;
    case WM_TIMER:
        if (wp == kBlinkTimer) Blink(h, s);
        return 0;
    case EM_GETSEL: case EM_SETSEL: case EM_REPLACESEL: case EM_SETREADONLY: case EM_LIMITTEXT:
    case EM_GETLIMITTEXT:
        return EditMessage(h, s, msg, wp, lp);
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

}  // namespace

bool EditControl::Register() { return Class::Register(WC_EDIT, CS_DBLCLKS); }
