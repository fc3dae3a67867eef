// Message boxes as a person sees them. Enter presses the focused button (the default one at
// first), Escape means Cancel or No where the box has it; when the input runs dry for good the
// box ends with its default answer so a script never hangs in it.
#include "platform/ui/message_box_window.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/classic_look.h"
#include "platform/ui/control_support.h"
#include "platform/win/window_manager.h"

namespace {

constexpr int kButtonW = 75, kButtonH = 23, kGap = 6, kMargin = 12, kIcon = 32, kMaxText = 400;

struct ButtonLabel {
    int id;
    const char* text;
};
constexpr ButtonLabel kLabels[] = {
    {IDOK, "OK"}, {IDCANCEL, "Cancel"}, {IDABORT, "&Abort"}, {IDRETRY, "&Retry"},
    {IDIGNORE, "&Ignore"}, {IDYES, "&Yes"}, {IDNO, "&No"},
};

enum class IconShape { Circle, Triangle };
struct IconLook {
    UINT icon;
    IconShape shape;
    COLORREF fill, glyphColour;
    const char* glyph;
};
constexpr IconLook kIcons[] = {
    {MB_ICONHAND, IconShape::Circle, 0x0000FF, 0xFFFFFF, "X"},
    {MB_ICONQUESTION, IconShape::Circle, 0xFFFFFF, 0x800000, "?"},
    {MB_ICONEXCLAMATION, IconShape::Triangle, 0x00FFFF, 0x000000, "!"},
    {MB_ICONASTERISK, IconShape::Circle, 0xFFFFFF, 0x800000, "i"},
};

struct Box {
    UINT type = MB_OK;
    std::string text;
    RECT textRect;
    int answer = 0;
    bool done = false;
};

std::map<HWND, Box>& Boxes() {
    static std::map<HWND, Box> boxes;
    return boxes;
}

const char* LabelOf(int id) {
    for (const ButtonLabel& l : kLabels)
        if (l.id == id) return l.text;
    return "OK";
}

const IconLook* IconOf(UINT type) {
    for (const IconLook& i : kIcons)
        if (i.icon == (type & MB_ICONMASK)) return &i;
    return nullptr;
}

bool Has(UINT type, int id) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

// Escape answers Cancel, else No; a box with only OK takes Escape as OK; otherwise nothing.
int EscapeAnswer(UINT type) {
    if (Has(type, IDCANCEL)) return IDCANCEL;
    if (Has(type, IDNO)) return IDNO;
    if (MessageBoxButtons(type).size() == 1) return MessageBoxButtons(type).front();
    return 0;
}

RECT MeasureText(const std::string& text) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, ClassicLook::DialogFont());
    RECT r{0, 0, kMaxText, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r;
}

void PaintIcon(HDC dc, const IconLook& icon) {
    const HPEN pen = CreatePen(PS_SOLID, 1, 0x000000);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, ClassicLook::Brush(icon.fill));
    const int x = kMargin, y = kMargin;
    if (icon.shape == IconShape::Circle) {
        Ellipse(dc, x, y, x + kIcon, y + kIcon);
    } else {
        const POINT tri[] = {{x + kIcon / 2, y + 1}, {x + kIcon - 1, y + kIcon - 2}, {x, y + kIcon - 2}};
        Polygon(dc, tri, 3);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    static HFONT glyph = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    const HGDIOBJ oldFont = SelectObject(dc, glyph);
    RECT r{x, y + (icon.shape == IconShape::Triangle ? 5 : 0), x + kIcon, y + kIcon};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, icon.glyphColour);
    DrawTextA(dc, icon.glyph, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

void Paint(HWND h, const Box& box) {
    control::PaintScope paint(h, 0);
    if (!paint.dc()) return;
    if (const IconLook* icon = IconOf(box.type)) PaintIcon(paint.dc(), *icon);
    SetTextColor(paint.dc(), classic::kText);
    RECT r = box.textRect;
    DrawTextA(paint.dc(), box.text.c_str(), int(box.text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void Answer(HWND h, int id) {
    auto it = Boxes().find(h);
    if (it == Boxes().end() || it->second.done || !Has(it->second.type, id)) return;
    it->second.answer = id;
    it->second.done = true;
}

SIZE Layout(Box& box, const std::vector<int>& buttons) {
    const RECT text = MeasureText(box.text);
    const int iconW = IconOf(box.type) ? kIcon + kMargin : 0;
    const int textH = std::max<int>(text.bottom, IconOf(box.type) ? kIcon : 0);
    const int buttonsW = int(buttons.size()) * kButtonW + int(buttons.size() - 1) * kGap;
    const int width = std::max<int>(iconW + text.right, buttonsW) + 2 * kMargin;
    const int textTop = kMargin + (textH - text.bottom) / 2;
    box.textRect = {kMargin + iconW, textTop, kMargin + iconW + text.right, textTop + text.bottom};
    return {width, kMargin + textH + kMargin + kButtonH + kMargin};
}

HWND Build(const MessageBoxRequest& request, HWND owner) {
    Box box;
    box.type = request.Type;
    box.text = request.Text;
    const std::vector<int> buttons = MessageBoxButtons(request.Type);
    const SIZE client = Layout(box, buttons);
    RECT frame{0, 0, client.cx, client.cy};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    const POINT at = control::CentreOver(owner, w, h);
    const HWND dlg = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, WC_DIALOG, request.Caption.c_str(),
                                     style, at.x, at.y, w, h, owner, 0, 0, nullptr);
    if (!dlg) return 0;
    Boxes()[dlg] = box;
    SetWindowLongPtrA(dlg, GWLP_USERDATA, GetWindowLongPtrA(dlg, GWLP_WNDPROC));
    SetWindowLongPtrA(dlg, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&MessageBoxWindow::Proc));
    const int def = DefaultMessageBoxAnswer(request.Type);
    int x = (client.cx - (int(buttons.size()) * kButtonW + int(buttons.size() - 1) * kGap)) / 2;
    for (int id : buttons) {
        const DWORD kind = id == def ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        CreateWindowExA(0, WC_BUTTON, LabelOf(id), WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, x,
                        client.cy - kMargin - kButtonH, kButtonW, kButtonH, dlg, id, 0, nullptr);
        x += kButtonW + kGap;
    }
    SendMessageA(dlg, DM_SETDEFID, WPARAM(def), 0);
    return dlg;
}

bool IsButtonOfBox(HWND box, HWND h) { return h && GetParent(h) == box; }

// The keys a box handles itself before dispatching; true when the message was used.
bool PreTranslate(HWND box, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != box && !IsChild(box, msg.hwnd))) return false;
    const UINT type = Boxes()[box].type;
    const HWND focus = GetFocus();
    switch (msg.wParam) {
    case VK_RETURN:
        Answer(box, IsButtonOfBox(box, focus) ? GetDlgCtrlID(focus) : DefaultMessageBoxAnswer(type));
        return true;
    case VK_ESCAPE:
        if (const int a = EscapeAnswer(type)) Answer(box, a);
        return true;
    case VK_TAB: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: {
        const bool back = msg.wParam == VK_LEFT || msg.wParam == VK_UP ||
                          (msg.wParam == VK_TAB && control::ShiftHeld());
        if (const HWND next = GetNextDlgTabItem(box, focus, back)) SetFocus(next);
        return true;
    }
    default: return false;
    }
}

int RunModal(HWND box) {
    const UINT type = Boxes()[box].type;
    MSG msg;
    while (!Boxes()[box].done) {
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1) return DefaultMessageBoxAnswer(type);   // no more input will come
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));   // the outer loop must see the quit too
            return DefaultMessageBoxAnswer(type);
        }
        if (!PreTranslate(box, msg)) DispatchMessageA(&msg);
    }
    return Boxes()[box].answer;
}

}  // namespace

LRESULT MessageBoxWindow::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    const auto base = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_USERDATA));
    auto it = Boxes().find(h);
    if (it != Boxes().end()) {
        switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) Answer(h, LOWORD(wp));
            return 0;
        case WM_CLOSE:
            if (const int a = EscapeAnswer(it->second.type)) Answer(h, a);
            return 0;
        case WM_PAINT: Paint(h, it->second); return 0;
        default: break;
        }
    }
    return base ? CallWindowProcA(base, h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}

int MessageBoxWindow::Present(const MessageBoxRequest& request) {
    const HWND owner = IsWindow(request.Owner) ? WindowManager::Instance().TopLevelOf(request.Owner) : 0;
    const HWND previousFocus = GetFocus();
    const HWND box = Build(request, owner);
    if (!box) return DefaultMessageBoxAnswer(request.Type);
    const int answer = control::RunModalOver(owner, box, GetDlgItem(box, DefaultMessageBoxAnswer(request.Type)),
                                             [box] { return RunModal(box); });
    Boxes().erase(box);
    DestroyWindow(box);
    control::GiveBackActivation(owner, previousFocus);
    return answer;
}
