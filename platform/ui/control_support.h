// What every standard control does alike: fonts, notifications to the parent, mouse
// coordinates and the paint scope with the control's font selected.
#pragma once
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/win/controls.h"
#include "platform/win/win_api.h"

namespace control {

// The font a control draws with: the one WM_SETFONT gave, else the dialog font.
HFONT FontOf(HFONT assigned);
// WM_SETFONT / WM_GETFONT for a control keeping its font in `font`; false for other messages.
bool HandleFont(HWND h, UINT msg, WPARAM wp, LPARAM lp, HFONT& font, LRESULT& result);

// WM_COMMAND MAKEWPARAM(id, code) with lParam = the control, to its parent.
void Notify(HWND h, WORD code);
// WM_NOTIFY with the header filled in from the control; returns the parent's answer.
LRESULT NotifyHeader(HWND h, NMHDR& header, UINT code);

POINT MousePoint(LPARAM lp);
bool Inside(const RECT& r, POINT p);
bool ShiftHeld();
std::string TextOf(HWND h);
DWORD StyleOf(HWND h);
RECT ClientOf(HWND h);
void Redraw(HWND h);
// Where a w x h top-level window goes to sit centred over its owner, kept on the screen.
POINT CentreOver(HWND owner, int w, int h);

// Runs `run` (a nested message loop) with `window` shown modal over `owner`: the owner is
// disabled meanwhile, `focus` gets the keyboard first. Returns what `run` returns.
template <class Run>
auto RunModalOver(HWND owner, HWND window, HWND focus, Run run) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
    SetFocus(focus);
    EnterModalLoop(window);
    auto result = run();
    LeaveModalLoop(window);
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    return result;
}
// After a modal window is gone: the owner active again and the focus back where it was.
void GiveBackActivation(HWND owner, HWND previousFocus);

// BeginPaint/EndPaint with the control's font selected and a transparent text background.
class PaintScope {
public:
    PaintScope(HWND h, HFONT font);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const { return paint_.hdc; }
    const RECT& client() const { return client_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    RECT client_;
    HGDIOBJ oldFont_ = 0;
};

}  // namespace control
