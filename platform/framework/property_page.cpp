// Pages: made lazily by their sheet, validated when they lose the front.
#include "platform/framework/property_page.h"

#include "platform/framework/module_state.h"
#include "platform/framework/property_sheet.h"

const CRuntimeClass CPropertyPage::classCPropertyPage{"CPropertyPage", &CDialog::classCDialog, nullptr};
const CRuntimeClass* CPropertyPage::GetRuntimeClass() const { return &classCPropertyPage; }

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_captionId(captionId) {}

std::string CPropertyPage::Caption() const {
    if ((m_psp.dwFlags & PSP_USETITLE) && m_psp.pszTitle) return m_psp.pszTitle;
    if (!m_strCaption.empty()) return m_strCaption;
    if (m_captionId) return AfxLoadString(int(m_captionId));
    const DialogTemplate* tpl = AfxFindDialog(int(m_lpszTemplateName));
    return tpl ? tpl->caption : std::string();
}

BOOL CPropertyPage::CreatePage(CPropertySheet* sheet, const RECT& area) {
    const DialogTemplate* tpl = AfxFindDialog(int(m_lpszTemplateName));
    if (!tpl) return FALSE;
    m_sheet = sheet;
    DialogTemplate placed = *tpl;
    placed.x = placed.y = 0;
    if (!CreateFromTemplate(placed, sheet->m_hWnd, true)) return FALSE;
    // Above the tab strip, as pages stand on it.
    SetWindowPos(HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

// The first activation follows the page's own start-up, which has already shown the values.
BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
