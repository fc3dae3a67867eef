// CWnd: a C++ object bound to a window handle, receiving its messages through message maps.
#pragma once
#include <string>

#include "platform/framework/cmd_target.h"
#include "platform/win/win_api.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static const CRuntimeClass classCWnd;
    const CRuntimeClass* GetRuntimeClass() const override;
    DECLARE_MESSAGE_MAP()

    HWND m_hWnd = 0;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window, or null; FromHandle also wraps foreign windows.
    static CWnd* FromHandlePermanent(HWND window);
    static CWnd* FromHandle(HWND window);

    BOOL CreateEx(DWORD exStyle, const char* className, const char* name, DWORD style, int x,
                  int y, int width, int height, HWND parent, int id, void* param = nullptr);
    BOOL Create(const char* className, const char* name, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL Attach(HWND window);
    HWND Detach();
    virtual BOOL DestroyWindow();

    // Message handling.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual BOOL OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wp, LPARAM lp);
    virtual BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* result);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual void PostNcDestroy() {}
    LRESULT Default();   // default processing of the message being handled

    // Data exchange.
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Conveniences over the window-system calls.
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageA(m_hWnd, msg, wp, lp); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void SetWindowText(const std::string& text) { SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    void SetDlgItemText(int id, const std::string& text) { SetWindowTextA(::GetDlgItem(m_hWnd, id), text.c_str()); }
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, UINT check) { SendMessageA(::GetDlgItem(m_hWnd, id), BM_SETCHECK, check, 0); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void MoveWindow(const RECT& r, BOOL repaint = TRUE) { ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint); }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) { return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags); }
    void GetWindowRect(RECT* r) const { ::GetWindowRect(m_hWnd, r); }
    void GetClientRect(RECT* r) const { ::GetClientRect(m_hWnd, r); }
    void ScreenToClient(RECT* r) const;
    void ClientToScreen(RECT* r) const;
    void Invalidate(BOOL erase = TRUE) { InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessageA(m_hWnd, WM_SETFONT, WPARAM(font), redraw); }
    HFONT GetFont() const { return HFONT(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }
    void CenterWindow(CWnd* alternateOwner = nullptr);
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = 0);

protected:
    WNDPROC m_pfnSuper = nullptr;   // the class procedure of a subclassed window
};

// The procedure of every window bound to a CWnd.
LRESULT AfxWndProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// A window class with the framework's procedure; the same arguments give the same class.
const char* AfxRegisterWndClass(UINT style, HBRUSH background);

// A message box over the active window with the application's name as caption.
int AfxMessageBox(const char* text, UINT type = 0, const char* caption = nullptr);
