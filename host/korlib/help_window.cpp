// The help window: a read-only page of text beside the window that asked for help. It takes the
// keyboard so Escape closes it, and hands activation back to its owner when it goes.
#include "host/korlib/help_window.h"

#include <algorithm>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/ui/classic_look.h"
#include "platform/ui/control_support.h"
#include "platform/win/controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

constexpr int kTextWidth = 360, kMargin = 10, kButtonW = 75, kButtonH = 23, kGap = 6;
constexpr const char* kCaption = "Orvex Help";
// Closing waits for the queue: the Close button is still inside its click when it asks.
constexpr UINT kCloseLater = WM_USER + 0x100;

HWND& Shown() {
    static HWND shown = 0;
    return shown;
}

int TextHeight(const char* text, HFONT font) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, kTextWidth, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r.bottom;
}

void AddText(HWND window, const char* text, HFONT font, int& y) {
    const int height = TextHeight(text, font);
    const HWND label = CreateWindowExA(0, WC_STATIC, text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin,
                                       y, kTextWidth, height, window, 0, 0, nullptr);
    SendMessageA(label, WM_SETFONT, WPARAM(font), FALSE);
    y += height;
}

// A bold title over the topic's text.
void AddSection(HWND window, const HelpTopic& topic, int& y) {
    AddText(window, topic.title, ClassicLook::CaptionFont(), y);
    y += kGap;
    AddText(window, topic.text, ClassicLook::DialogFont(), y);
    y += 2 * kGap;
}

// Beside the owner where the screen has room, else over it.
POINT PlaceBeside(HWND owner, int w, int h) {
    RECT r{};
    if (owner && GetWindowRect(owner, &r) && r.right + w <= GetSystemMetrics(SM_CXSCREEN))
        return {r.right, std::clamp(int(r.top), 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - h))};
    return control::CentreOver(owner, w, h);
}

void Close(HWND h) {
    const HWND owner = GetWindow(h, GW_OWNER);
    const bool active = GetActiveWindow() == h;
    DestroyWindow(h);
    if (active && IsWindow(owner) && IsWindowEnabled(owner)) SetActiveWindow(owner);
}

}  // namespace

HWND HelpWindow::Current() { return IsWindow(Shown()) ? Shown() : 0; }

HWND HelpWindow::Show(HWND owner, const HelpTopic& topic) {
    if (const HWND old = Current()) {
        if (owner == old) owner = GetWindow(old, GW_OWNER);   // help asked from the help window
        DestroyWindow(old);
    }
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const HWND h = CreateWindowExA(WS_EX_DLGMODALFRAME, WC_DIALOG, kCaption, style, 0, 0, 0, 0,
                                   IsWindow(owner) ? owner : 0, 0, 0, nullptr);
    if (!h) return 0;
    SetWindowLongPtrA(h, GWLP_USERDATA, GetWindowLongPtrA(h, GWLP_WNDPROC));
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&HelpWindow::Proc));
    int y = kMargin;
    AddSection(h, topic, y);
    if (const HelpTopic* also = topic.seeAlso ? FindHelpTopic(topic.seeAlso) : nullptr) AddSection(h, *also, y);
    const HWND close = CreateWindowExA(0, WC_BUTTON, "Close", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                                       kMargin + kTextWidth - kButtonW, y, kButtonW, kButtonH, h, IDOK, 0, nullptr);
    SendMessageA(close, WM_SETFONT, WPARAM(ClassicLook::DialogFont()), FALSE);
    RECT frame{0, 0, kTextWidth + 2 * kMargin, y + kButtonH + kMargin};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int w = frame.right - frame.left, height = frame.bottom - frame.top;
    const POINT at = PlaceBeside(owner, w, height);
    MoveWindow(h, at.x, at.y, w, height, FALSE);
    ShowWindow(h, SW_SHOW);
    SetFocus(h);
    Shown() = h;
    return h;
}

LRESULT HelpWindow::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND: PostMessageA(h, kCloseLater, 0, 0); return 0;   // Close, or the close box
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE || wp == VK_RETURN || wp == VK_SPACE) PostMessageA(h, kCloseLater, 0, 0);
        return 0;
    case kCloseLater: Close(h); return 0;
    default: break;
    }
    const auto base = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_USERDATA));
    return base ? CallWindowProcA(base, h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}
