// Buttons driven by messages: press tracking, Space, auto check boxes and radio groups.
#include "tests/platform/ui/ui_fixture.h"

namespace {

using ButtonTest = UiTest;

TEST_F(ButtonTest, ClickSendsBnClickedWithTheButtonAsSender) {
    const HWND b = Make(WC_BUTTON, "OK", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 75, 23, 1);
    Click(b, 5, 5);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].message, UINT(WM_COMMAND));
    EXPECT_EQ(heard[0].id, 1);
    EXPECT_EQ(heard[0].code, UINT(BN_CLICKED));
    EXPECT_EQ(heard[0].from, b);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(ButtonTest, ReleaseOutsideCancelsAndDraggingBackRestoresThePress) {
    const HWND b = Make(WC_BUTTON, "OK", BS_PUSHBUTTON, 10, 10, 75, 23, 1);
    Press(b, 5, 5);
    EXPECT_TRUE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(200), WORD(5)));
    EXPECT_FALSE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Release(b, 200, 5);
    EXPECT_TRUE(heard.empty());

    Press(b, 5, 5);
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(80), WORD(5)));
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(70), WORD(5)));
    Release(b, 70, 5);
    EXPECT_EQ(Count(BN_CLICKED), 1);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndLosingFocusCancels) {
    const HWND b = Make(WC_BUTTON, "A", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 75, 23, 1);
    const HWND other = Make(WC_BUTTON, "B", BS_PUSHBUTTON | WS_TABSTOP, 10, 40, 75, 23, 2);
    SetFocus(b);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(heard.empty());
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Count(BN_CLICKED), 1);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
    SetFocus(other);
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Count(BN_CLICKED), 1);
}

TEST_F(ButtonTest, AutoCheckBoxTogglesAndPlainCheckBoxLeavesItToTheParent) {
    const HWND autoBox = Make(WC_BUTTON, "Auto", BS_AUTOCHECKBOX, 10, 10, 100, 16, 1);
    const HWND plain = Make(WC_BUTTON, "Plain", BS_CHECKBOX, 10, 30, 100, 16, 2);
    Click(autoBox, 3, 3);
    Click(plain, 3, 3);
    EXPECT_EQ(SendMessageA(autoBox, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    EXPECT_EQ(SendMessageA(plain, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    SendMessageA(autoBox, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(autoBox, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(Count(BN_CLICKED), 3);
}

TEST_F(ButtonTest, AutoRadioUnchecksOnlyItsOwnGroup) {
    const HWND a1 = Make(WC_BUTTON, "A1", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 80, 16, 1);
    const HWND a2 = Make(WC_BUTTON, "A2", BS_AUTORADIOBUTTON, 10, 30, 80, 16, 2);
    const HWND a3 = Make(WC_BUTTON, "A3", BS_AUTORADIOBUTTON, 10, 50, 80, 16, 3);
    const HWND b1 = Make(WC_BUTTON, "B1", BS_AUTORADIOBUTTON | WS_GROUP, 100, 10, 80, 16, 4);
    const HWND b2 = Make(WC_BUTTON, "B2", BS_AUTORADIOBUTTON, 100, 30, 80, 16, 5);
    SendMessageA(b1, BM_SETCHECK, BST_CHECKED, 0);
    Click(a1, 3, 3);
    Click(a3, 3, 3);
    EXPECT_EQ(SendMessageA(a1, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(a2, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(a3, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    EXPECT_EQ(SendMessageA(b1, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    Click(b2, 3, 3);
    EXPECT_EQ(SendMessageA(b1, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(a3, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    // The checked radio button is the group's tab stop.
    EXPECT_TRUE(GetWindowLongPtrA(a3, GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongPtrA(a1, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, DisabledButtonIgnoresBmClickAndGroupBoxNeverClicks) {
    const HWND b = Make(WC_BUTTON, "OK", BS_PUSHBUTTON | WS_DISABLED, 10, 10, 75, 23, 1);
    const HWND g = Make(WC_BUTTON, "Group", BS_GROUPBOX, 10, 40, 150, 60, 2);
    SendMessageA(b, BM_CLICK, 0, 0);
    Click(g, 5, 5);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(SendMessageA(g, BM_GETCHECK, 0, 0), 0);
}

struct DlgCodeCase {
    DWORD style;
    LRESULT code;
};
class ButtonDlgCodeTest : public UiTest, public ::testing::WithParamInterface<DlgCodeCase> {};

TEST_P(ButtonDlgCodeTest, AnswersTheDialogManager) {
    const HWND b = Make(WC_BUTTON, "x", GetParam().style, 0, 0, 50, 20, 1);
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonDlgCodeTest, ::testing::Values(
    DlgCodeCase{BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
    DlgCodeCase{BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
    DlgCodeCase{BS_AUTOCHECKBOX, DLGC_BUTTON},
    DlgCodeCase{BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
    DlgCodeCase{BS_GROUPBOX, DLGC_STATIC}));

TEST_F(ButtonTest, SetStyleTurnsAPushButtonIntoTheDefault) {
    const HWND b = Make(WC_BUTTON, "OK", BS_PUSHBUTTON, 10, 10, 75, 23, 1);
    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

}  // namespace
