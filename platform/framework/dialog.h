// CDialog: a window made from a dialog template, run modally or as a child page.
#pragma once
#include "platform/framework/resources.h"
#include "platform/framework/wnd.h"
#include "platform/win/message_box.h"

constexpr DWORD DS_MODALFRAME = 0x80, DS_SETFONT = 0x40, DS_CENTER = 0x0800, DS_CONTROL = 0x0400;
constexpr int IDHELP = 9;
constexpr UINT ID_HELP = 0xE146;   // 57670, the Help command routed to the active page

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;
    static const CRuntimeClass classCDialog;
    const CRuntimeClass* GetRuntimeClass() const override;
    DECLARE_MESSAGE_MAP()

    intptr_t DoModal();
    // Makes the window a modal run shows; dialogs make theirs from their template.
    virtual BOOL CreateModalWindow(HWND owner);
    // Creates the window from the template, as a top-level dialog or as a child of `parent`.
    BOOL CreateFromTemplate(const DialogTemplate& tpl, HWND parent, bool child);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* msg) override;

    // Keyboard interface of dialogs: Tab, Enter, Escape, arrows in groups, Alt+mnemonic.
    BOOL IsDialogMessage(MSG* msg);
    void GotoDlgCtrl(HWND control);
    void NextDlgCtrl(bool previous);

    // Dialog units of this dialog's font to pixels.
    RECT MapDialogRect(int x, int y, int cx, int cy) const;

    UINT m_nIDHelp = 0;
    UINT m_lpszTemplateName;
    CWnd* m_pParentWnd;

protected:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    void OnClose();
    BOOL RunModalLoop();
    bool m_bInModal = false;
    int m_nModalResult = -1;
    HFONT m_font = 0;
    int m_baseX = 6, m_baseY = 13;
};

// Offers the message to the PreTranslateMessage of every framework window from its target
// up to the top; true when one of them took it.
BOOL AfxPreTranslateMessage(MSG* msg);
