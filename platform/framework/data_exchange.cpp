// The exchange functions. Numbers are read the way the platform reads them: leading and
// trailing blanks allowed, nothing else after the number.
#include "platform/framework/data_exchange.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/framework/wnd.h"
#include "platform/win/message_box.h"

namespace {

bool ParseInt(const std::string& text, long& out) {
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    out = std::strtol(s, &end, 10);
    if (end == s || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == 0;
}

bool ParseReal(const std::string& text, double& out) {
    const char* s = text.c_str();
    while (*s == ' ' || *s == '\t') ++s;
    // Only plain decimal numbers: no hexadecimal, infinities or NaN from a dialog field.
    for (const char* p = s; *p; ++p)
        if ((*p == 'x' || *p == 'X' || *p == 'n' || *p == 'N' || *p == 'i' || *p == 'I')) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(s, &end);
    if (end == s || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == 0;
}

std::string FormatReal(double v) {
    char buf[64];
    std::snprintf(buf, sizeof(buf), "%.*g", DBL_DIG, v);
    return buf;
}

// After the first failure a save exchange stops, as one message is all a person should see.
bool Stopped(const CDataExchange* dx) { return dx->m_bSaveAndValidate && dx->Failed(); }

bool ReadInt(CDataExchange* dx, int id, long minValue, long maxValue, long& value) {
    if (Stopped(dx)) return false;
    const HWND h = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) return false;
    if (!ParseInt(CWnd::FromHandle(h)->GetWindowText(), value) || value < minValue || value > maxValue) {
        AfxMessageBox(AfxParseIntMessage().c_str(), MB_ICONEXCLAMATION);
        dx->Fail();
        return false;
    }
    return true;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = false;
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND h = PrepareCtrl(id);
    m_bEditLastControl = true;
    return h;
}

void CDataExchange::Fail() {
    m_failed = true;
    if (!m_bSaveAndValidate || !m_idLastControl) return;
    const HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
    ::SetFocus(h);
    if (m_bEditLastControl) SendMessageA(h, EM_SETSEL, 0, -1);
}

std::string AfxParseIntMessage() { return "Please enter an integer."; }
std::string AfxParseRealMessage() { return "Please enter a number."; }
std::string AfxRangeIntMessage(int minValue, int maxValue) {
    return "Please enter an integer between " + std::to_string(minValue) + " and " + std::to_string(maxValue) + ".";
}
std::string AfxRangeRealMessage(double minValue, double maxValue) {
    return "Please enter a number between " + FormatReal(minValue) + " and " + FormatReal(maxValue) + ".";
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    long v = 0;
    if (ReadInt(dx, id, INT_MIN, INT_MAX, v))
        value = int(v);
    else if (!dx->m_bSaveAndValidate)
        SetWindowTextA(::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id), std::to_string(value).c_str());
}

void DDX_Text(CDataExchange* dx, int id, short& value) {
    long v = 0;
    if (ReadInt(dx, id, SHRT_MIN, SHRT_MAX, v))
        value = short(v);
    else if (!dx->m_bSaveAndValidate)
        SetWindowTextA(::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id), std::to_string(value).c_str());
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    if (Stopped(dx)) return;
    const HWND h = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        SetWindowTextA(h, FormatReal(value).c_str());
        return;
    }
    double v = 0;
    if (!ParseReal(CWnd::FromHandle(h)->GetWindowText(), v)) {
        AfxMessageBox(AfxParseRealMessage().c_str(), MB_ICONEXCLAMATION);
        dx->Fail();
        return;
    }
    value = v;
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (Stopped(dx)) return;
    const HWND h = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = CWnd::FromHandle(h)->GetWindowText();
    else
        SetWindowTextA(h, value.c_str());
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (Stopped(dx)) return;
    const HWND h = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = int(SendMessageA(h, BM_GETCHECK, 0, 0));
    else
        SendMessageA(h, BM_SETCHECK, WPARAM(value), 0);
}

// The radio group starting at `id`: value is the index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value) {
    if (Stopped(dx)) return;
    HWND h = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND b = h; b; b = GetWindow(b, GW_HWNDNEXT), ++index) {
        if (index > 0 && (GetWindowLongPtrA(b, GWL_STYLE) & WS_GROUP)) break;
        if (dx->m_bSaveAndValidate) {
            if (SendMessageA(b, BM_GETCHECK, 0, 0)) value = index;
        } else {
            SendMessageA(b, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    dx->PrepareCtrl(id);
    control.SubclassDlgItem(UINT(id), dx->m_pDlgWnd);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
    if (!dx->m_bSaveAndValidate || dx->Failed()) return;
    if (value < minValue || value > maxValue) {
        AfxMessageBox(AfxRangeIntMessage(minValue, maxValue).c_str(), MB_ICONEXCLAMATION);
        dx->Fail();
    }
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue) {
    if (!dx->m_bSaveAndValidate || dx->Failed()) return;
    if (value < minValue || value > maxValue) {
        AfxMessageBox(AfxRangeRealMessage(minValue, maxValue).c_str(), MB_ICONEXCLAMATION);
        dx->Fail();
    }
}
