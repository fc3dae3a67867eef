// Any text in a dialog field, exchanged as the dialogs exchange it: read as an int, a short, a
// number and a text. What is taken and written back reads back as the same value, and a refused
// text leaves the member alone; never a crash.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/framework/data_exchange.h"
#include "platform/framework/wnd.h"
#include "platform/win/message_box.h"

namespace {

constexpr int kField = 7;

LRESULT FieldProc(HWND h, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, m, wp, lp); }

// A window with one plain field, made once.
CWnd& Dialog() {
    static CWnd* dialog = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = FieldProc;
        cls.lpszClassName = "FuzzField";
        RegisterClassA(&cls);
        auto* d = new CWnd;
        d->CreateEx(0, AfxRegisterWndClass(0, 0), "d", WS_POPUP, 0, 0, 10, 10, 0, 0);
        CreateWindowExA(0, "FuzzField", "", WS_CHILD, 0, 0, 5, 5, d->m_hWnd, kField, 0, nullptr);
        return d;
    }();
    return *dialog;
}

std::string FieldText() {
    char text[512] = {};
    GetWindowTextA(GetDlgItem(Dialog().m_hWnd, kField), text, sizeof text);
    return text;
}

// Saves the field into `value`; on success loads it back and saves again, which must agree.
template <class T>
void RoundTrip(const std::string& text, T start) {
    SetWindowTextA(GetDlgItem(Dialog().m_hWnd, kField), text.c_str());
    T value = start;
    CDataExchange save(&Dialog(), TRUE);
    DDX_Text(&save, kField, value);
    if (save.Failed()) {
        if (!(value == start)) std::abort();
        return;
    }
    CDataExchange load(&Dialog(), FALSE);
    DDX_Text(&load, kField, value);
    const std::string written = FieldText();
    T again = start;
    CDataExchange save2(&Dialog(), TRUE);
    DDX_Text(&save2, kField, again);
    CDataExchange load2(&Dialog(), FALSE);
    DDX_Text(&load2, kField, again);
    if (save2.Failed() || FieldText() != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) text.resize(text.find('\0'));   // a window text ends there
    RoundTrip<int>(text, -99);
    RoundTrip<short>(text, short(-99));
    RoundTrip<double>(text, -99.0);
    RoundTrip<std::string>(text, "start");
    ClearShownMessageBoxes();
    return 0;
}
