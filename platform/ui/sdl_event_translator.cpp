// SDL events as window messages. Input is posted, not sent, so the dialogs' pre-translation
// (Tab, Enter, Escape, mnemonics) sees it as it sees the headless driver's keys.
#include "platform/ui/sdl_event_translator.h"

#include <algorithm>

#include "platform/win/controls.h"
#include "platform/win/messages.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

struct KeyMap {
    SDL_Keycode key;
    UINT vk;
};
constexpr KeyMap kKeys[] = {{SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
                            {SDLK_TAB, VK_TAB}, {SDLK_BACKSPACE, VK_BACK}, {SDLK_DELETE, VK_DELETE},
                            {SDLK_HOME, VK_HOME}, {SDLK_END, VK_END}, {SDLK_LEFT, VK_LEFT},
                            {SDLK_RIGHT, VK_RIGHT}, {SDLK_UP, VK_UP}, {SDLK_DOWN, VK_DOWN},
                            {SDLK_SPACE, VK_SPACE}, {SDLK_F1, VK_F1}, {SDLK_PAGEUP, VK_PRIOR},
                            {SDLK_PAGEDOWN, VK_NEXT}};

LPARAM PointParam(POINT p) { return MAKELPARAM(WORD(p.x), WORD(p.y)); }

POINT ToClient(HWND h, POINT screen) {
    ScreenToClient(h, &screen);
    return screen;
}

// The second press of a double click is a double-click message for windows whose class asks
// for them, and a plain press for the others.
UINT ButtonMessage(HWND target, bool down, int clicks) {
    if (!down) return WM_LBUTTONUP;
    return clicks >= 2 && clicks % 2 == 0 && (GetClassStyle(target) & CS_DBLCLKS) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

bool Accepts(HWND h) {
    const HWND top = WindowManager::Instance().TopLevelOf(h);
    return h && IsWindowEnabled(top) && IsWindowEnabled(h);
}

}  // namespace

HWND SdlEventTranslator::TopModalWindow() {
    for (HWND h : WindowManager::Instance().TopLevels())
        if (IsWindowVisible(h) && IsWindowEnabled(h) && h == GetModalWindow()) return h;
    // A message box runs its own loop above the innermost modal window.
    if (HWND focus = GetFocus()) return WindowManager::Instance().TopLevelOf(focus);
    return GetModalWindow();
}

bool SdlEventTranslator::Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT: return false;
    case SDL_WINDOWEVENT: return e.window.event != SDL_WINDOWEVENT_CLOSE;
    case SDL_MOUSEBUTTONDOWN: case SDL_MOUSEBUTTONUP: MouseButton(e.button); return true;
    case SDL_MOUSEMOTION: MouseMove(e.motion.x, e.motion.y); return true;
    case SDL_KEYDOWN: case SDL_KEYUP: Key(e.key); return true;
    case SDL_TEXTINPUT: Text(e.text.text); return true;
    default: return true;
    }
}

void SdlEventTranslator::MouseButton(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT) return;
    const POINT at{e.x, e.y};
    const bool down = e.type == SDL_MOUSEBUTTONDOWN;
    leftDown_ = down;
    if (!down && drag_ != Drag::None) {
        if (drag_ == Drag::CloseBox && SendMessageA(dragged_, WM_NCHITTEST, 0, PointParam(at)) == HTCLOSE)
            PostMessageA(dragged_, WM_SYSCOMMAND, SC_CLOSE, 0);
        drag_ = Drag::None;
        return;
    }
    HWND target = GetCapture();
    if (!target) {
        target = WindowFromPoint(at);
        if (!Accepts(target)) return;
        const HWND top = WindowManager::Instance().TopLevelOf(target);
        const LRESULT hit = SendMessageA(target, WM_NCHITTEST, 0, PointParam(at));
        if (down && hit != HTCLIENT) {
            if (target == top) StartFrameDrag(top, hit, at);
            return;
        }
    }
    PostMessageA(target, ButtonMessage(target, down, e.clicks), down ? 1 : 0, PointParam(ToClient(target, at)));
}

void SdlEventTranslator::MouseMove(int x, int y) {
    const POINT at{x, y};
    if (drag_ == Drag::Move || drag_ == Drag::Size) {
        FrameDrag(at);
        return;
    }
    HWND target = GetCapture();
    if (!target) target = WindowFromPoint(at);
    if (!Accepts(target)) return;
    PostMessageA(target, WM_MOUSEMOVE, leftDown_ ? MK_LBUTTON : 0, PointParam(ToClient(target, at)));
}

void SdlEventTranslator::StartFrameDrag(HWND top, LRESULT hit, POINT at) {
    dragged_ = top;
    hit_ = hit;
    start_ = at;
    GetWindowRect(top, &startRect_);
    if (hit == HTCLOSE) drag_ = Drag::CloseBox;
    else if (hit == HTCAPTION) drag_ = Drag::Move;
    else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) drag_ = Drag::Size;
    else drag_ = Drag::None;
}

void SdlEventTranslator::FrameDrag(POINT at) {
    if (!IsWindow(dragged_)) {
        drag_ = Drag::None;
        return;
    }
    const int dx = at.x - start_.x, dy = at.y - start_.y;
    RECT r = startRect_;
    if (drag_ == Drag::Move) {
        MoveWindow(dragged_, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
        return;
    }
    MINMAXINFO limits{};
    limits.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    SendMessageA(dragged_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const LONG minW = limits.ptMinTrackSize.x, minH = limits.ptMinTrackSize.y;
    if (hit_ == HTLEFT || hit_ == HTTOPLEFT || hit_ == HTBOTTOMLEFT) r.left = std::min(r.left + dx, r.right - minW);
    if (hit_ == HTRIGHT || hit_ == HTTOPRIGHT || hit_ == HTBOTTOMRIGHT) r.right = std::max(r.right + dx, r.left + minW);
    if (hit_ == HTTOP || hit_ == HTTOPLEFT || hit_ == HTTOPRIGHT) r.top = std::min(r.top + dy, r.bottom - minH);
    if (hit_ == HTBOTTOM || hit_ == HTBOTTOMLEFT || hit_ == HTBOTTOMRIGHT) r.bottom = std::max(r.bottom + dy, r.top + minH);
    MoveWindow(dragged_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void SdlEventTranslator::Key(const SDL_KeyboardEvent& e) {
    const bool down = e.type == SDL_KEYDOWN;
    SetKeyHeld(VK_SHIFT, (e.keysym.mod & KMOD_SHIFT) != 0);
    SetKeyHeld(VK_CONTROL, (e.keysym.mod & KMOD_CTRL) != 0);
    altHeld_ = (e.keysym.mod & KMOD_ALT) != 0;
    const HWND target = GetFocus() ? GetFocus() : TopModalWindow();
    if (!target) return;
    const SDL_Keycode key = e.keysym.sym;
    if (altHeld_ && down && ((key >= SDLK_a && key <= SDLK_z) || (key >= SDLK_0 && key <= SDLK_9))) {
        PostMessageA(target, WM_SYSCHAR, WPARAM(key), 1);
        return;
    }
    for (const KeyMap& k : kKeys)
        if (k.key == key) PostMessageA(target, down ? WM_KEYDOWN : WM_KEYUP, k.vk, 1);
}

void SdlEventTranslator::Text(const char* utf8) {
    // Alt+letter is a mnemonic, not typing.
    if (altHeld_) return;
    const HWND target = GetFocus();
    if (!target) return;
    for (const char* c = utf8; *c; ++c)
        if (uint8_t(*c) >= 0x20 && uint8_t(*c) < 0x7F) PostMessageA(target, WM_CHAR, WPARAM(uint8_t(*c)), 1);
}
