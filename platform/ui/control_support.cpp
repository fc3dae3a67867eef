// Shared helpers of the standard controls.
#include "platform/ui/control_support.h"

#include <algorithm>

#include "platform/ui/classic_look.h"
#include "platform/win/window_manager.h"

namespace control {

HFONT FontOf(HFONT assigned) { return assigned ? assigned : ClassicLook::DialogFont(); }

bool HandleFont(HWND h, UINT msg, WPARAM wp, LPARAM lp, HFONT& font, LRESULT& result) {
    if (msg == WM_GETFONT) {
        result = LRESULT(font);
        return true;
    }
    if (msg != WM_SETFONT) return false;
    font = HFONT(wp);
    if (LOWORD(WPARAM(lp))) Redraw(h);
    result = 0;
    return true;
}

void Notify(HWND h, WORD code) {
    const HWND parent = GetParent(h);
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(h)), code), LPARAM(h));
}

LRESULT NotifyHeader(HWND h, NMHDR& header, UINT code) {
    header.hwndFrom = h;
    header.idFrom = uintptr_t(GetDlgCtrlID(h));
    header.code = code;
    const HWND parent = GetParent(h);
    return parent ? SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
}

POINT MousePoint(LPARAM lp) {
    return {LONG(int16_t(LOWORD(WPARAM(lp)))), LONG(int16_t(HIWORD(WPARAM(lp))))};
}

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

std::string TextOf(HWND h) {
    const int n = GetWindowTextLengthA(h);
    std::string text(size_t(n) + 1, '\0');
    text.resize(size_t(GetWindowTextA(h, text.data(), n + 1)));
    return text;
}

DWORD StyleOf(HWND h) { return DWORD(GetWindowLongPtrA(h, GWL_STYLE)); }

RECT ClientOf(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    return r;
}

void Redraw(HWND h) { InvalidateRect(h, nullptr, TRUE); }

POINT CentreOver(HWND owner, int w, int h) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner && IsWindow(owner)) GetWindowRect(WindowManager::Instance().TopLevelOf(owner), &area);
    int x = (area.left + area.right - w) / 2, y = (area.top + area.bottom - h) / 2;
    x = std::clamp(x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - w));
    y = std::clamp(y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - h));
    return {x, y};
}

void GiveBackActivation(HWND owner, HWND previousFocus) {
    if (owner) SetActiveWindow(owner);
    if (IsWindow(previousFocus)) SetFocus(previousFocus);
}

PaintScope::PaintScope(HWND h, HFONT font) : window_(h) {
    BeginPaint(h, &paint_);
    client_ = ClientOf(h);
    if (paint_.hdc) {
        oldFont_ = SelectObject(paint_.hdc, FontOf(font));
        SetBkMode(paint_.hdc, TRANSPARENT);
    }
}

PaintScope::~PaintScope() {
    if (paint_.hdc) SelectObject(paint_.hdc, oldFont_);
    EndPaint(window_, &paint_);
}

}  // namespace control
