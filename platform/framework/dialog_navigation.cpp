// The keyboard interface of dialogs: Tab, Enter, Escape, the arrows in a group and mnemonics.
// The order they walk is the window system's (GetNextDlgTabItem, GetNextDlgGroupItem).
#include <cctype>
#include <string>

#include "platform/framework/dialog.h"
#include "platform/win/controls.h"

namespace {

LRESULT DlgCode(HWND h, MSG* msg) {
    return h ? SendMessageA(h, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)) : 0;
}

bool IsPushButton(HWND h) {
    char cls[16] = {};
    GetClassNameA(h, cls, sizeof(cls));
    const DWORD type = DWORD(GetWindowLongPtrA(h, GWL_STYLE)) & BS_TYPEMASK;
    return std::string(cls) == WC_BUTTON && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsRadio(HWND h) {
    return DlgCode(h, nullptr) & DLGC_RADIOBUTTON;
}

// The control whose text carries "&c", searched in all reachable children.
HWND FindMnemonic(HWND parent, char c) {
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(h)) continue;
        if (GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (HWND inner = FindMnemonic(h, c)) return inner;
            continue;
        }
        char text[256] = {};
        GetWindowTextA(h, text, sizeof(text));
        for (const char* p = text; *p; ++p) {
            if (*p != '&') continue;
            if (p[1] == '&') { ++p; continue; }
            if (std::tolower(uint8_t(p[1])) == std::tolower(uint8_t(c))) return h;
            break;
        }
    }
    return 0;
}

}  // namespace

void CDialog::GotoDlgCtrl(HWND control) {
    if (!control) return;
    ::SetFocus(control);
    if (DlgCode(control, nullptr) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

void CDialog::NextDlgCtrl(bool previous) { GotoDlgCtrl(GetNextDlgTabItem(m_hWnd, GetFocus(), previous)); }

BOOL CDialog::IsDialogMessage(MSG* msg) {
    if (msg->hwnd != m_hWnd && !IsChild(m_hWnd, msg->hwnd)) return FALSE;
    const HWND focus = GetFocus();
    if (msg->message == WM_SYSCHAR) {
        const HWND target = FindMnemonic(m_hWnd, char(msg->wParam));
        if (!target) return FALSE;
        char cls[16] = {};
        GetClassNameA(target, cls, sizeof(cls));
        if (std::string(cls) == WC_STATIC) {
            // A label's mnemonic moves to the control after it.
            const HWND next = GetNextDlgTabItem(::GetParent(target), target, FALSE);
            GotoDlgCtrl(next);
        } else if (std::string(cls) == WC_BUTTON) {
            ::SetFocus(target);
            SendMessageA(target, BM_CLICK, 0, 0);
        } else {
            GotoDlgCtrl(target);
        }
        return TRUE;
    }
    if (msg->message != WM_KEYDOWN) return FALSE;
    const LRESULT code = DlgCode(focus, msg);
    if (code & DLGC_WANTALLKEYS) return FALSE;
    switch (msg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return FALSE;
        NextDlgCtrl(GetKeyState(VK_SHIFT) < 0);
        return TRUE;
    case VK_RETURN: {
        if (focus && IsPushButton(focus) && ::IsWindowEnabled(focus)) {
            SendMessageA(focus, BM_CLICK, 0, 0);
            return TRUE;
        }
        const LRESULT def = SendMessage(DM_GETDEFID, 0, 0);
        const int id = HIWORD(WPARAM(def)) == DC_HASDEFID ? LOWORD(WPARAM(def)) : IDOK;
        const HWND button = ::GetDlgItem(m_hWnd, id);
        if (button && !::IsWindowEnabled(button)) return TRUE;
        SendMessage(WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED), LPARAM(button));
        return TRUE;
    }
    case VK_ESCAPE:
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(::GetDlgItem(m_hWnd, IDCANCEL)));
        return TRUE;
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: {
        if ((code & DLGC_WANTARROWS) || !focus) return FALSE;
        const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
        const HWND next = GetNextDlgGroupItem(::GetParent(focus), focus, back);
        if (!next || next == focus) return TRUE;
        ::SetFocus(next);
        if (IsRadio(next)) SendMessageA(next, BM_CLICK, 0, 0);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
