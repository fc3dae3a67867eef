// Binding window handles to objects, routing their messages, and the CWnd conveniences.
#include "platform/framework/wnd.h"

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/data_exchange.h"
#include "platform/framework/module_state.h"
#include "platform/framework/win_app.h"
#include "platform/win/message_box.h"

namespace {

// Looked up for every message, hence hashed.
std::unordered_map<HWND, CWnd*>& Permanent() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// Wrappers of windows that no object owns, kept until their window is gone.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& Temporary() {
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

CWnd*& Creating() {
    static CWnd* creating = nullptr;
    return creating;
}

struct CurrentMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

std::vector<CurrentMessage>& MessageStack() {
    static std::vector<CurrentMessage> stack;
    return stack;
}

}  // namespace

const CRuntimeClass CWnd::classCWnd{"CWnd", &CCmdTarget::classCCmdTarget, nullptr};
const CRuntimeClass* CWnd::GetRuntimeClass() const { return &classCWnd; }

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }
const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {AFX_MSGMAP_ENTRY{}};
    static const AFX_MSGMAP map{CCmdTarget::GetThisMessageMap(), entries};
    return &map;
}

CWnd::~CWnd() {
    if (m_hWnd && Permanent().count(m_hWnd)) {
        const HWND h = m_hWnd;
        Detach();
        ::DestroyWindow(h);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND h) {
    auto it = Permanent().find(h);
    return it == Permanent().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND h) {
    if (!h) return nullptr;
    if (CWnd* w = FromHandlePermanent(h)) return w;
    auto& temp = Temporary();
    for (auto it = temp.begin(); it != temp.end();)
        it = IsWindow(it->first) ? std::next(it) : temp.erase(it);
    auto& slot = temp[h];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = h;
    }
    return slot.get();
}

BOOL CWnd::Attach(HWND h) {
    if (!IsWindow(h) || m_hWnd) return FALSE;
    m_hWnd = h;
    Permanent()[h] = this;
    Temporary().erase(h);
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND h = m_hWnd;
    if (h) Permanent().erase(h);
    m_hWnd = 0;
    return h;
}

BOOL CWnd::SubclassWindow(HWND h) {
    if (!Attach(h)) return FALSE;
    const intptr_t old = GetWindowLongPtrA(h, GWLP_WNDPROC);
    if (reinterpret_cast<WNDPROC>(old) != AfxWndProc) {
        m_pfnSuper = reinterpret_cast<WNDPROC>(old);
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&AfxWndProc));
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, int(id))) : FALSE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* name, DWORD style, int x,
                    int y, int width, int height, HWND parent, int id, void* param) {
    // Messages sent during creation reach this object before the handle is known.
    CWnd* outer = Creating();
    Creating() = this;
    const HWND h = CreateWindowExA(exStyle, className, name, style, x, y, width, height, parent,
                                   id, 0, param);
    Creating() = outer;
    if (!h) {
        if (m_hWnd) Detach();
        return FALSE;
    }
    if (!m_hWnd) SubclassWindow(h);
    return TRUE;
}

BOOL CWnd::Create(const char* className, const char* name, DWORD style, const RECT& r,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, name, style | WS_CHILD, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, parent ? parent->m_hWnd : 0, int(id));
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT AfxWndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (!w && Creating() && !Creating()->m_hWnd) {
        w = Creating();
        w->Attach(h);
    }
    if (!w) return DefWindowProcA(h, msg, wp, lp);
    MessageStack().push_back({h, msg, wp, lp});
    const LRESULT result = w->WindowProc(msg, wp, lp);
    MessageStack().pop_back();
    if (msg == WM_NCDESTROY && CWnd::FromHandlePermanent(h) == w) {
        w->Detach();
        w->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (!OnWndMsg(msg, wp, lp, &result)) result = DefWindowProc(msg, wp, lp);
    return result;
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    LRESULT r = 0;
    bool handled = false;
    if (msg == WM_COMMAND)
        handled = OnCommand(wp, lp);
    else if (msg == WM_NOTIFY)
        handled = OnNotify(wp, lp, &r);
    else
        handled = DispatchToMap(msg, 0, 0, wp, lp, r);
    if (result) *result = r;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wp, LPARAM lp) {
    LRESULT r = 0;
    return DispatchToMap(WM_COMMAND, HIWORD(wp), LOWORD(wp), wp, lp, r);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lp, LRESULT* result) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
    if (!hdr) return FALSE;
    return DispatchToMap(WM_NOTIFY, hdr->code, UINT(hdr->idFrom), 0, lp, *result);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (m_pfnSuper) return CallWindowProcA(m_pfnSuper, m_hWnd, msg, wp, lp);
    return DefWindowProcA(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::Default() {
    if (MessageStack().empty()) return 0;
    const CurrentMessage m = MessageStack().back();
    return DefWindowProc(m.msg, m.wp, m.lp);
}

BOOL CWnd::UpdateData(BOOL save) {
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

std::string CWnd::GetWindowText() const {
    std::string text(size_t(GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(m_hWnd, text.data(), int(text.size()))));
    return text;
}

std::string CWnd::GetDlgItemText(int id) const {
    CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : std::string();
}

void CWnd::ScreenToClient(RECT* r) const {
    POINT a{r->left, r->top}, b{r->right, r->bottom};
    ::ScreenToClient(m_hWnd, &a);
    ::ScreenToClient(m_hWnd, &b);
    *r = {a.x, a.y, b.x, b.y};
}

void CWnd::ClientToScreen(RECT* r) const {
    POINT a{r->left, r->top}, b{r->right, r->bottom};
    ::ClientToScreen(m_hWnd, &a);
    ::ClientToScreen(m_hWnd, &b);
    *r = {a.x, a.y, b.x, b.y};
}

void CWnd::CenterWindow(CWnd* alternate) {
    RECT self, area;
    GetWindowRect(&self);
    HWND over = alternate ? alternate->m_hWnd : 0;
    if (over)
        ::GetWindowRect(over, &area);
    else
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int w = self.right - self.left, h = self.bottom - self.top;
    const int x = area.left + ((area.right - area.left) - w) / 2;
    const int y = area.top + ((area.bottom - area.top) - h) / 2;
    SetWindowPos(0, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return MessageBoxA(m_hWnd, text, caption ? caption : AfxAppName().c_str(), type);
}

const char* AfxRegisterWndClass(UINT style, HBRUSH background) {
    static std::map<std::pair<UINT, HBRUSH>, std::string> names;
    auto& name = names[{style, background}];
    if (name.empty()) {
        name = "Afx:" + std::to_string(style) + ":" + std::to_string(background);
        WNDCLASSA cls;
        cls.style = style;
        cls.lpfnWndProc = AfxWndProc;
        cls.hbrBackground = background;
        cls.lpszClassName = name.c_str();
        RegisterClassA(&cls);
    }
    return name.c_str();
}

int AfxMessageBox(const char* text, UINT type, const char* caption) {
    return MessageBoxA(GetActiveWindow(), text, caption ? caption : AfxAppName().c_str(), type);
}
