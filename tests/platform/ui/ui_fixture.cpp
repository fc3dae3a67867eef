// The recording parent and the simulated person of the control tests.
#include "tests/platform/ui/ui_fixture.h"

#include "platform/ui/standard_controls.h"

std::vector<Notification> UiTest::heard;
LRESULT UiTest::notifyAnswer = 0;

LRESULT UiTest::ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        heard.push_back({WM_COMMAND, LOWORD(wp), HIWORD(wp), HWND(lp), 0, 0});
        return 0;
    case WM_NOTIFY: {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        Notification n{WM_NOTIFY, int(hdr->idFrom), hdr->code, hdr->hwndFrom, 0, 0};
        if (hdr->code == UDN_DELTAPOS) {
            const NMUPDOWN* ud = reinterpret_cast<const NMUPDOWN*>(lp);
            n.pos = ud->iPos;
            n.delta = ud->iDelta;
        }
        heard.push_back(n);
        return notifyAnswer;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        heard.push_back({msg, GetDlgCtrlID(HWND(lp)), LOWORD(wp), HWND(lp), int16_t(HIWORD(wp)), 0});
        return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

void UiTest::SetUpTestSuite() {
    ASSERT_TRUE(InstallStandardControls());
    ASSERT_TRUE(InstallStandardControls());   // a second call changes nothing
    WNDCLASSA cls;
    cls.lpfnWndProc = &UiTest::ParentProc;
    cls.lpszClassName = "UiTestParent";
    RegisterClassA(&cls);
}

void UiTest::SetUp() {
    heard.clear();
    notifyAnswer = 0;
    parent = CreateWindowExA(0, "UiTestParent", "Parent", WS_POPUP | WS_VISIBLE, 20, 20, 300, 220, 0, 0, 0, nullptr);
    ASSERT_NE(parent, 0u);
    Pump();
}

void UiTest::TearDown() {
    DestroyWindow(parent);
    Pump();
    SetKeyHeld(VK_SHIFT, false);
}

HWND UiTest::Make(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
                  DWORD exStyle) {
    const HWND c = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, id, 0, nullptr);
    EXPECT_NE(c, 0u) << cls;
    return c;
}

void UiTest::Pump() {
    MSG msg;
    for (int guard = 0; guard < 10000 && PeekMessageA(&msg, 0, 0, 0, PM_REMOVE); ++guard)
        DispatchMessageA(&msg);
}

void UiTest::Press(HWND h, int x, int y) {
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(WORD(x), WORD(y)));
}

void UiTest::Release(HWND h, int x, int y) {
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(WORD(x), WORD(y)));
}

void UiTest::Click(HWND h, int x, int y) {
    Press(h, x, y);
    Release(h, x, y);
}

void UiTest::Key(HWND h, UINT vk) {
    SendMessageA(h, WM_KEYDOWN, vk, 0);
    SendMessageA(h, WM_KEYUP, vk, 0);
}

void UiTest::Type(HWND h, const std::string& text) {
    for (char c : text) SendMessageA(h, WM_CHAR, WPARAM(uint8_t(c)), 0);
}

std::string UiTest::Text(HWND h) {
    char buffer[512] = {};
    GetWindowTextA(h, buffer, sizeof buffer);
    return buffer;
}

int UiTest::Count(UINT code) const {
    int n = 0;
    for (const Notification& x : heard) n += x.code == code;
    return n;
}
