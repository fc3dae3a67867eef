// Making dialogs from templates, their modal loop and their default commands.
#include "platform/framework/dialog.h"

#include "platform/framework/module_state.h"
#include "platform/gdi/gdi.h"
#include "platform/win/controls.h"

namespace {

int MulDiv(int a, int b, int c) { return int((int64_t(a) * b + (c / 2)) / c); }

// The template's font and its base units: average character width and height in pixels.
HFONT MakeDialogFont(const DialogTemplate& tpl, int& baseX, int& baseY) {
    HFONT font = CreateFontA(-MulDiv(tpl.fontPoints, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0,
                             0, 0, 0, tpl.fontFace.c_str());
    if (!font) return 0;
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm;
    SIZE size;
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextMetricsA(dc, &tm);
    GetTextExtentPoint32A(dc, letters, 52, &size);
    baseX = (size.cx / 26 + 1) / 2;
    baseY = tm.tmHeight;
    SelectObject(dc, old);
    DeleteDC(dc);
    return font;
}

}  // namespace

const CRuntimeClass CDialog::classCDialog{"CDialog", &CWnd::classCWnd, nullptr};
const CRuntimeClass* CDialog::GetRuntimeClass() const { return &classCDialog; }

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_lpszTemplateName(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd) DestroyWindow();
    if (m_font) DeleteObject(m_font);
}

RECT CDialog::MapDialogRect(int x, int y, int cx, int cy) const {
    const int left = MulDiv(x, m_baseX, 4), top = MulDiv(y, m_baseY, 8);
    return {left, top, left + MulDiv(cx, m_baseX, 4), top + MulDiv(cy, m_baseY, 8)};
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate& tpl, HWND parent, bool child) {
    if (!m_font) m_font = MakeDialogFont(tpl, m_baseX, m_baseY);
    if (!m_font) return FALSE;
    const RECT client = MapDialogRect(tpl.x, tpl.y, tpl.cx, tpl.cy);
    DWORD style = (tpl.style & ~WS_VISIBLE);
    style = child ? ((style & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME)) | WS_CHILD) : (style & ~WS_CHILD);
    const DWORD exStyle = tpl.exStyle | WS_EX_CONTROLPARENT | (child ? 0 : WS_EX_DLGMODALFRAME);
    RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int x = child ? client.left : 0, y = child ? client.top : 0;
    if (!CreateEx(exStyle, WC_DIALOG, tpl.caption.c_str(), style, x, y, frame.right - frame.left,
                  frame.bottom - frame.top, parent, 0))
        return FALSE;
    SetFont(m_font, FALSE);
    for (const DialogItem& item : tpl.items) {
        const RECT r = MapDialogRect(item.x, item.y, item.cx, item.cy);
        HWND h = CreateWindowExA(item.exStyle, item.className.c_str(), item.text.c_str(),
                                 item.style | WS_CHILD, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, m_hWnd, item.id, 0, nullptr);
        if (h) SendMessageA(h, WM_SETFONT, WPARAM(m_font), FALSE);
    }
    if (!child) CenterWindow(CWnd::FromHandle(parent));
    const HWND first = GetNextDlgTabItem(m_hWnd, 0, FALSE);
    // A dialog opens with the focus on its first tab stop unless its start-up placed it; a
    // page leaves the focus to the sheet that shows it.
    if (SendMessage(WM_INITDIALOG, WPARAM(first), 0) && !child) GotoDlgCtrl(GetNextDlgTabItem(m_hWnd, 0, FALSE));
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::CreateModalWindow(HWND owner) {
    const DialogTemplate* tpl = AfxFindDialog(int(m_lpszTemplateName));
    return tpl && CreateFromTemplate(*tpl, owner, false);
}

intptr_t CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : GetActiveWindow();
    const bool reenable = owner && ::IsWindowEnabled(owner);
    // The owner is disabled first so the dialog's own start-up cannot be disturbed by it.
    if (reenable) ::EnableWindow(owner, FALSE);
    m_nModalResult = -1;
    if (CreateModalWindow(owner)) {
        ShowWindow(SW_SHOW);
        SetActiveWindow(m_hWnd);
        RunModalLoop();
        if (m_hWnd) ShowWindow(SW_HIDE);
    }
    if (reenable) ::EnableWindow(owner, TRUE);
    if (owner && IsWindow(owner)) SetActiveWindow(owner);
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

BOOL CDialog::RunModalLoop() {
    m_bInModal = true;
    const HWND self = m_hWnd;
    EnterModalLoop(self);
    while (m_bInModal) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1 || got == FALSE) {
            // Nothing more will come (the input ended) or the process is quitting.
            if (got == FALSE) PostQuitMessage(int(msg.wParam));
            if (m_bInModal) EndDialog(IDCANCEL);
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) DispatchMessageA(&msg);
    }
    LeaveModalLoop(self);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bInModal = false;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // Child dialogs (pages) leave the keyboard to the dialog that holds them.
    if (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CHILD) return FALSE;
    return IsDialogMessage(msg);
}

BOOL AfxPreTranslateMessage(MSG* msg) {
    for (HWND h = msg->hwnd; h; h = (GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD) ? ::GetParent(h) : 0)
        if (CWnd* w = CWnd::FromHandlePermanent(h); w && w->PreTranslateMessage(msg)) return TRUE;
    return FALSE;
}
