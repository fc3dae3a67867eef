// CPropertySheet: a modal dialog with a tab strip, the standard buttons and its pages.
#pragma once
#include <string>
#include <vector>

#include "platform/framework/property_page.h"

constexpr DWORD PSH_DEFAULT = 0x0, PSH_NOAPPLYNOW = 0x80, PSH_HASHELP = 0x200;
constexpr int ID_APPLY_NOW = 0x3021, AFX_IDC_TAB_CONTROL = 0x3020;

struct PROPSHEETHEADERA {
    DWORD dwFlags = PSH_DEFAULT;
};

class CPropertySheet : public CDialog {
public:
    CPropertySheet(const char* caption = nullptr, CWnd* parent = nullptr, UINT selectPage = 0);
    static const CRuntimeClass classCPropertySheet;
    const CRuntimeClass* GetRuntimeClass() const override;
    DECLARE_MESSAGE_MAP()

    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    int GetActiveIndex() const { return m_active; }
    CPropertyPage* GetActivePage() const { return GetPage(m_active); }
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }
    HWND GetTabControl() const { return m_tab; }

    BOOL CreateModalWindow(HWND owner) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    PROPSHEETHEADERA m_psh;

protected:
    void OnOK() override;
    void OnCancel() override;
    void OnHelp();
    void OnTabChanging(NMHDR*, LRESULT* result);
    void OnTabChanged(NMHDR*, LRESULT* result);

private:
    int PageStep(const MSG& msg) const;
    BOOL ShowPage(int index);
    RECT PageArea() const;

    std::string m_caption;
    std::vector<CPropertyPage*> m_pages;
    std::vector<bool> m_created;
    int m_start;
    int m_active = -1;
    HWND m_tab = 0;
    RECT m_pageSize{};
};
