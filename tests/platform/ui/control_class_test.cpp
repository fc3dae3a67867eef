// The start every control's window procedure shares: one state per window, made on first use
// and gone with the window, the font messages answered, and the class's own hook seeing the
// window's last message while its state still exists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/control_class.h"

namespace {

struct ProbeState {
    HFONT font = 0;
    int seen = 0;   // messages handed on to the class
};

std::vector<std::string> hookLog;

void Hook(HWND h, UINT msg, WPARAM, LPARAM);
LRESULT Proc(HWND h, ProbeState& s, UINT msg, WPARAM wp, LPARAM lp) {
    ++s.seen;
    return msg == WM_USER ? s.seen : DefWindowProcA(h, msg, wp, lp);
}
using Probe = ControlClass<ProbeState, &Proc, &Hook>;

void Hook(HWND h, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_NCDESTROY) hookLog.push_back(Probe::Store().Find(h) ? "state held" : "state gone");
}

class ControlClassTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Probe::Register("ProbeControl", 0); }
    void SetUp() override { hookLog.clear(); }
    static HWND Make() {
        return CreateWindowExA(0, "ProbeControl", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
    }
    static int Seen(HWND h) { return int(SendMessageA(h, WM_USER, 0, 0)); }
};

TEST_F(ControlClassTest, RegistersOnce) {
    EXPECT_FALSE(Probe::Register("ProbeControl", 0)) << "the suite registered it already";
}

TEST_F(ControlClassTest, EachWindowKeepsAStateOfItsOwn) {
    const HWND a = Make(), b = Make();
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    const int aBefore = Seen(a), bBefore = Seen(b);
    Seen(a);
    EXPECT_EQ(Seen(a), aBefore + 2);
    EXPECT_EQ(Seen(b), bBefore + 1);
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST_F(ControlClassTest, FontMessagesAreAnsweredBeforeTheClassSeesThem) {
    const HWND h = Make();
    const HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    const int before = Seen(h);
    SendMessageA(h, WM_SETFONT, WPARAM(font), FALSE);
    EXPECT_EQ(HFONT(SendMessageA(h, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(Seen(h), before + 1) << "only the probe itself reached the class";
    DestroyWindow(h);
}

TEST_F(ControlClassTest, TheHookSeesTheLastMessageWhileTheStateLasts) {
    const HWND h = Make();
    Seen(h);
    DestroyWindow(h);
    EXPECT_EQ(hookLog, std::vector<std::string>{"state held"});
    EXPECT_EQ(Probe::Store().Find(h), nullptr) << "the state went with the window";
}

}  // namespace
