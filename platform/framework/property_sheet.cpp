// The sheet: its window, tab strip and buttons, lazy page creation and the page
// notifications in the platform's order (kill-active of the old page, creation, set-active
// of the new; on OK the front page validates first, then every created page in page order).
#include "platform/framework/property_sheet.h"

#include <algorithm>

#include "platform/framework/module_state.h"
#include "platform/win/controls.h"

namespace {

constexpr int kMargin = 7, kTabHeader = 14, kButtonW = 50, kButtonH = 14, kButtonGap = 4;

struct SheetButton {
    int id;
    const char* text;
    DWORD style;
};

constexpr SheetButton kButtons[] = {
    {IDOK, "OK", BS_DEFPUSHBUTTON}, {IDCANCEL, "Cancel", BS_PUSHBUTTON},
    {ID_APPLY_NOW, "&Apply", BS_PUSHBUTTON}, {IDHELP, "Help", BS_PUSHBUTTON}};

}  // namespace

const CRuntimeClass CPropertySheet::classCPropertySheet{"CPropertySheet", &CDialog::classCDialog, nullptr};
const CRuntimeClass* CPropertySheet::GetRuntimeClass() const { return &classCPropertySheet; }

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
    ON_COMMAND(IDHELP, OnHelp)
    ON_NOTIFY(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, OnTabChanging)
    ON_NOTIFY(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, OnTabChanged)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : CDialog(0, parent), m_caption(caption ? caption : ""), m_start(int(selectPage)) {}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < int(m_pages.size()) ? m_pages[size_t(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

// The sheet is a dialog of its own, sized in dialog units to hold the largest page.
BOOL CPropertySheet::CreateModalWindow(HWND owner) {
    DialogTemplate tpl;
    tpl.caption = m_caption;
    tpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    int pageW = 0, pageH = 0;
    for (CPropertyPage* page : m_pages)
        if (const DialogTemplate* p = AfxFindDialog(int(page->m_lpszTemplateName))) {
            pageW = std::max(pageW, p->cx);
            pageH = std::max(pageH, p->cy);
        }
    m_pageSize = {kMargin + 2, kMargin + kTabHeader, kMargin + 2 + pageW, kMargin + kTabHeader + pageH};
    const int tabBottom = m_pageSize.bottom + 2;
    tpl.cx = m_pageSize.right + 2 + kMargin;
    tpl.cy = tabBottom + kMargin + kButtonH + kMargin;
    tpl.items.push_back({WC_TABCONTROL, "", AFX_IDC_TAB_CONTROL, WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                         kMargin, kMargin, tpl.cx - 2 * kMargin, tabBottom - kMargin});
    int x = tpl.cx - kMargin - kButtonW;
    for (int i = int(std::size(kButtons)) - 1; i >= 0; --i) {
        const SheetButton& b = kButtons[i];
        const bool shown = !(b.id == ID_APPLY_NOW && (m_psh.dwFlags & PSH_NOAPPLYNOW)) &&
                           !(b.id == IDHELP && !(m_psh.dwFlags & PSH_HASHELP));
        tpl.items.push_back({WC_BUTTON, b.text, b.id, b.style | WS_TABSTOP | (shown ? WS_VISIBLE : 0),
                             0, x, tabBottom + kMargin, kButtonW, kButtonH});
        if (shown) x -= kButtonW + kButtonGap;
    }
    // Buttons were made right to left; the tab order runs left to right.
    std::reverse(tpl.items.begin() + 1, tpl.items.end());
    return CreateFromTemplate(tpl, owner, false);
}

RECT CPropertySheet::PageArea() const {
    return MapDialogRect(m_pageSize.left, m_pageSize.top, m_pageSize.right - m_pageSize.left,
                         m_pageSize.bottom - m_pageSize.top);
}

BOOL CPropertySheet::OnInitDialog() {
    m_tab = ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL);
    m_created.assign(m_pages.size(), false);
    for (size_t i = 0; i < m_pages.size(); ++i) {
        const std::string caption = m_pages[i]->Caption();
        TCITEMA item;
        item.mask = TCIF_TEXT;
        item.pszText = caption.c_str();
        SendMessageA(m_tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    const int start = (m_start >= 0 && m_start < int(m_pages.size())) ? m_start : 0;
    if (!m_pages.empty()) ShowPage(start);
    return FALSE;   // the page shown took the focus
}

BOOL CPropertySheet::ShowPage(int index) {
    CPropertyPage* page = GetPage(index);
    if (!page) return FALSE;
    if (index == m_active) return TRUE;
    if (!m_created[size_t(index)]) {
        if (!page->CreatePage(this, PageArea())) return FALSE;
        m_created[size_t(index)] = true;
    }
    CPropertyPage* old = GetActivePage();
    // Focus that would vanish with the old page (or that is nowhere yet) goes on to the new
    // page's first field; a tab clicked or a sheet button keeps it.
    const HWND focus = ::GetFocus();
    const bool moveFocus = !focus || (old && ::IsChild(old->m_hWnd, focus));
    m_active = index;
    SendMessageA(m_tab, TCM_SETCURSEL, WPARAM(index), 0);
    page->OnSetActive();
    page->ShowWindow(SW_SHOW);
    if (old) old->ShowWindow(SW_HIDE);
    if (moveFocus) GotoDlgCtrl(GetNextDlgTabItem(page->m_hWnd, 0, FALSE));
    if (HWND help = ::GetDlgItem(m_hWnd, IDHELP)) ::EnableWindow(help, (page->m_psp.dwFlags & PSP_HASHELP) != 0);
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (!GetPage(index)) return FALSE;
    if (!m_hWnd) {
        m_start = index;
        return TRUE;
    }
    if (index == m_active) return TRUE;
    if (CPropertyPage* current = GetActivePage(); current && !current->OnKillActive()) return FALSE;
    return ShowPage(index);
}

void CPropertySheet::OnTabChanging(NMHDR*, LRESULT* result) {
    CPropertyPage* current = GetActivePage();
    *result = (current && !current->OnKillActive()) ? TRUE : FALSE;
}

void CPropertySheet::OnTabChanged(NMHDR*, LRESULT* result) {
    ShowPage(int(SendMessageA(m_tab, TCM_GETCURSEL, 0, 0)));
    *result = 0;
}

void CPropertySheet::OnOK() {
    if (CPropertyPage* current = GetActivePage(); current && !current->OnKillActive()) return;
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_created[i]) m_pages[i]->OnOK();
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_created[i]) m_pages[i]->OnCancel();
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnHelp() {
    if (CPropertyPage* page = GetActivePage()) page->SendMessage(WM_COMMAND, ID_HELP, 0);
}

// Ctrl+Tab and Ctrl+PgDn bring the next page, Ctrl+Shift+Tab and Ctrl+PgUp the previous one.
int CPropertySheet::PageStep(const MSG& msg) const {
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return 0;
    if (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd)) return 0;
    switch (msg.wParam) {
    case VK_TAB: return GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    case VK_NEXT: return 1;
    case VK_PRIOR: return -1;
    default: return 0;
    }
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
    if (const int step = PageStep(*msg)) {
        const int n = GetPageCount();
        if (n > 0) SetActivePage((m_active + n + step) % n);
        return TRUE;
    }
    return IsDialogMessage(msg);
}
