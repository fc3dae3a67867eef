// Message-map routing, run-time classes, module-state switching and number exchange rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/data_exchange.h"
#include "platform/framework/module_state.h"
#include "platform/framework/win_app.h"
#include "platform/framework/wnd.h"
#include "platform/win/message_box.h"

namespace {

std::vector<std::string>& Heard() {
    static std::vector<std::string> heard;
    return heard;
}

class BaseWnd : public CWnd {
public:
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNCREATE(BaseWnd)
    void OnStyleSample() { Heard().push_back("base 500"); }
    void OnAlphabet() { Heard().push_back("base 502"); }
    void OnClose() { Heard().push_back("base close"); }
};

class DerivedWnd : public BaseWnd {
public:
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNCREATE(DerivedWnd)
    void OnStyleSample() { Heard().push_back("derived 500"); }
    void OnNumber() { Heard().push_back("derived change 4026"); }
    void OnRadio(UINT id) { Heard().push_back("radio " + std::to_string(id)); }
    void OnDelta(NMHDR* hdr, LRESULT* result) {
        Heard().push_back("delta " + std::to_string(hdr->idFrom));
        *result = 1;
    }
    LRESULT OnUser(WPARAM wp, LPARAM) { return LRESULT(wp * 2); }
};

IMPLEMENT_DYNCREATE(BaseWnd, CWnd)
IMPLEMENT_DYNCREATE(DerivedWnd, BaseWnd)

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_COMMAND(500, OnStyleSample)
    ON_COMMAND(502, OnAlphabet)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_COMMAND(500, OnStyleSample)
    ON_EN_CHANGE(4026, OnNumber)
    ON_COMMAND_RANGE(4043, 4046, OnRadio)
    ON_NOTIFY(UDN_DELTAPOS, 4025, OnDelta)
    ON_MESSAGE(WM_USER + 5, OnUser)
END_MESSAGE_MAP()

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        Heard().clear();
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0, 0), "probe", WS_POPUP, 0, 0, 50, 50, 0, 0));
    }
    DerivedWnd wnd;
};

TEST_F(FrameworkTest, DerivedEntriesWinAndBasesFillIn) {
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(500, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(502, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4026, EN_CHANGE), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4026, EN_KILLFOCUS), 0);   // no entry: ignored
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4045, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4047, BN_CLICKED), 0);     // outside the range
    wnd.SendMessage(WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));   // the map took WM_CLOSE, so no default destroy
    EXPECT_EQ(Heard(), (std::vector<std::string>{"derived 500", "base 502", "derived change 4026",
                                                 "radio 4045", "base close"}));
}

TEST_F(FrameworkTest, NotificationsAndMessagesReturnTheirResults) {
    NMUPDOWN nm;
    nm.hdr.idFrom = 4025;
    nm.hdr.code = UDN_DELTAPOS;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 4025, reinterpret_cast<LPARAM>(&nm)), 1);
    nm.hdr.idFrom = 4027;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 4027, reinterpret_cast<LPARAM>(&nm)), 0);
    EXPECT_EQ(wnd.SendMessage(WM_USER + 5, 21, 0), 42);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"delta 4025"}));
}

TEST_F(FrameworkTest, ObjectDetachesWhenItsWindowIsDestroyed) {
    const HWND h = wnd.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(h), &wnd);
    ::DestroyWindow(h);
    EXPECT_EQ(wnd.m_hWnd, 0u);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST(RuntimeClassTest, DynamicCreationAndKinds) {
    CObject* made = RUNTIME_CLASS(DerivedWnd)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "DerivedWnd");
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(BaseWnd)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(RUNTIME_CLASS(BaseWnd)->IsDerivedFrom(RUNTIME_CLASS(DerivedWnd)));
    delete made;
}

TEST(ModuleStateTest, ResourcesAndCaptionFollowTheCurrentModule) {
    static AFX_MODULE_STATE plugin{"tessra.dll", "/opt/orvex/tessra.dll", {}, nullptr};
    plugin.resources.AddString(4090, "tessra.ini");
    CWinApp app("Tessra", &plugin);
    EXPECT_EQ(AfxLoadString(4090), "");
    {
        AFX_MANAGE_STATE_SCOPE scope(&plugin);
        EXPECT_EQ(AfxLoadString(4090), "tessra.ini");
        EXPECT_EQ(AfxAppName(), "Tessra");
        ClearShownMessageBoxes();
        AfxMessageBox("... Not Implemented Yet ...");
        ASSERT_EQ(ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(ShownMessageBoxes()[0].Caption, "Tessra");
    }
    EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
}

// Number rules of the exchange, through a real edit-less parent: values typed as a person
// would, read back the way the exchange reads them.
struct NumberCase {
    const char* text;
    bool intOk;
    int intValue;
    bool realOk;
    double realValue;
};
class ExchangeNumberTest : public ::testing::TestWithParam<NumberCase> {};

LRESULT TextProc(HWND h, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, m, wp, lp); }

TEST_P(ExchangeNumberTest, ParsesLikeTheDialogs) {
    static bool registered = [] {
        WNDCLASSA cls;
        cls.lpfnWndProc = TextProc;
        cls.lpszClassName = "PlainText";
        return RegisterClassA(&cls) != 0;
    }();
    ASSERT_TRUE(registered);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, 0), "p", WS_POPUP, 0, 0, 10, 10, 0, 0));
    CreateWindowExA(0, "PlainText", GetParam().text, WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, 7, 0, nullptr);
    ClearShownMessageBoxes();
    int i = -99;
    CDataExchange dxi(&parent, TRUE);
    DDX_Text(&dxi, 7, i);
    EXPECT_EQ(!dxi.Failed(), GetParam().intOk);
    // A refused entry leaves the value alone.
    EXPECT_EQ(i, GetParam().intOk ? GetParam().intValue : -99);
    double d = -99;
    CDataExchange dxd(&parent, TRUE);
    DDX_Text(&dxd, 7, d);
    EXPECT_EQ(!dxd.Failed(), GetParam().realOk);
    EXPECT_DOUBLE_EQ(d, GetParam().realOk ? GetParam().realValue : -99.0);
    EXPECT_EQ(int(ShownMessageBoxes().size()), int(!GetParam().intOk) + int(!GetParam().realOk));
}

INSTANTIATE_TEST_SUITE_P(Texts, ExchangeNumberTest, ::testing::Values(
    NumberCase{"12", true, 12, true, 12.0}, NumberCase{" -3 ", true, -3, true, -3.0},
    NumberCase{"2.54", false, 0, true, 2.54}, NumberCase{"", false, 0, false, 0},
    NumberCase{"-", false, 0, false, 0}, NumberCase{"1e3", false, 0, true, 1000.0},
    NumberCase{"12abc", false, 0, false, 0}, NumberCase{"0x10", false, 0, false, 0},
    NumberCase{"nan", false, 0, false, 0}, NumberCase{"99999999999", false, 0, true, 99999999999.0}));

TEST(RangeTest, MessagesNameTheLimits) {
    EXPECT_EQ(AfxRangeIntMessage(1, 3200), "Please enter an integer between 1 and 3200.");
    EXPECT_EQ(AfxRangeRealMessage(-0.5, 1000.25), "Please enter a number between -0.5 and 1000.25.");
}

}  // namespace
