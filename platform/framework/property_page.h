// CPropertyPage: one tab of a property sheet, a child dialog made when first shown.
#pragma once
#include "platform/framework/dialog.h"

constexpr DWORD PSP_DEFAULT = 0x0, PSP_USETITLE = 0x8, PSP_HASHELP = 0x20;

struct PROPSHEETPAGEA {
    DWORD dwFlags = PSP_DEFAULT;
    const char* pszTitle = nullptr;
};

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId = 0, UINT captionId = 0);
    static const CRuntimeClass classCPropertyPage;
    const CRuntimeClass* GetRuntimeClass() const override;

    // Notifications from the sheet, in the platform's order.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override {}
    void OnCancel() override {}

    BOOL CreatePage(CPropertySheet* sheet, const RECT& area);
    std::string Caption() const;
    CPropertySheet* Sheet() const { return m_sheet; }

    PROPSHEETPAGEA m_psp;
    std::string m_strCaption;

private:
    bool m_bFirstSetActive = true;
    UINT m_captionId;
    CPropertySheet* m_sheet = nullptr;
};
