// Edits driven by messages: EN_CHANGE on every change, selection, keys, refusals.
#include "platform/gdi/window_surfaces.h"
#include "tests/platform/ui/ui_fixture.h"

namespace {

class EditTest : public UiTest {
protected:
    HWND Edit(DWORD style = 0, const char* text = "") {
        HWND e = Make(WC_EDIT, text, WS_TABSTOP | style, 10, 10, 80, 20, 7, WS_EX_CLIENTEDGE);
        heard.clear();
        return e;
    }
    static std::pair<int, int> Sel(HWND e) {
        DWORD a = 0, b = 0;
        SendMessageA(e, EM_GETSEL, WPARAM(&a), LPARAM(&b));
        return {int(a), int(b)};
    }
};

TEST_F(EditTest, EveryTypedCharacterAndEverySetTextReportsAChange) {
    const HWND e = Edit();
    Type(e, "12.5");
    EXPECT_EQ(Text(e), "12.5");
    EXPECT_EQ(Count(EN_CHANGE), 4);
    SetWindowTextA(e, "7");
    EXPECT_EQ(Count(EN_CHANGE), 5);
    SetWindowTextA(e, "7");   // the same text again still counts, as on the platform
    EXPECT_EQ(Count(EN_CHANGE), 6);
    EXPECT_EQ(heard.back().id, 7);
    EXPECT_EQ(heard.back().from, e);
}

TEST_F(EditTest, KeysThatChangeNothingReportNothing) {
    const HWND e = Edit(0, "ab");
    SendMessageA(e, EM_SETSEL, 0, 0);
    Key(e, VK_BACK);
    SendMessageA(e, EM_SETSEL, 2, 2);
    Key(e, VK_DELETE);
    SendMessageA(e, WM_CHAR, 0x01, 0);   // control characters are not text
    EXPECT_EQ(Count(EN_CHANGE), 0);
    EXPECT_EQ(Text(e), "ab");
}

TEST_F(EditTest, TypingReplacesTheSelectionAndBackspaceDeletesIt) {
    const HWND e = Edit(0, "hello");
    SendMessageA(e, EM_SETSEL, 1, 4);
    Type(e, "X");
    EXPECT_EQ(Text(e), "hXo");
    EXPECT_EQ(Sel(e), std::make_pair(2, 2));
    SendMessageA(e, EM_SETSEL, 0, -1);
    EXPECT_EQ(Sel(e), std::make_pair(0, 3));
    Key(e, VK_BACK);
    EXPECT_EQ(Text(e), "");
}

TEST_F(EditTest, ShiftArrowsExtendAndPlainArrowsCollapse) {
    const HWND e = Edit(0, "abcdef");
    SendMessageA(e, EM_SETSEL, 2, 2);
    SetKeyHeld(VK_SHIFT, true);
    Key(e, VK_RIGHT);
    Key(e, VK_RIGHT);
    EXPECT_EQ(Sel(e), std::make_pair(2, 4));
    Key(e, VK_HOME);
    EXPECT_EQ(Sel(e), std::make_pair(0, 2));
    SetKeyHeld(VK_SHIFT, false);
    Key(e, VK_RIGHT);
    EXPECT_EQ(Sel(e), std::make_pair(2, 2));
    Key(e, VK_END);
    EXPECT_EQ(Sel(e), std::make_pair(6, 6));
    Key(e, VK_LEFT);
    Key(e, VK_DELETE);
    EXPECT_EQ(Text(e), "abcde");
}

TEST_F(EditTest, ReadOnlyAndNumberEditsRefuseWhatTheyMust) {
    const HWND number = Edit(ES_NUMBER);
    Type(number, "1a2-3");
    EXPECT_EQ(Text(number), "123");
    const HWND ro = Edit(ES_READONLY, "fixed");
    SendMessageA(ro, EM_SETSEL, 0, -1);
    Type(ro, "x");
    Key(ro, VK_BACK);
    EXPECT_EQ(Text(ro), "fixed");
    SendMessageA(ro, EM_SETREADONLY, FALSE, 0);
    Type(ro, "x");
    EXPECT_EQ(Text(ro), "x");
}

TEST_F(EditTest, HighCharactersAreTextAndTheLimitHolds) {
    const HWND e = Edit();
    SendMessageA(e, WM_CHAR, 0xB5, 0);   // the micro sign of the 8-bit code page
    EXPECT_EQ(Text(e), "\xB5");
    SendMessageA(e, EM_LIMITTEXT, 3, 0);
    Type(e, "abcd");
    EXPECT_EQ(Text(e), "\xB5" "ab");
}

TEST_F(EditTest, FocusNotifiesAndTheDialogCodeAsksForSelectAll) {
    const HWND e = Edit();
    SetFocus(e);
    SetFocus(parent);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].code, UINT(EN_SETFOCUS));
    EXPECT_EQ(heard[1].code, UINT(EN_KILLFOCUS));
    EXPECT_TRUE(SendMessageA(e, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL);
}

TEST_F(EditTest, ClickPlacesTheCaretAndDragSelects) {
    const HWND e = Edit(0, "abcdef");
    Click(e, 1, 5);
    EXPECT_EQ(Sel(e), std::make_pair(0, 0));
    Press(e, 1, 5);
    SendMessageA(e, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(300), WORD(5)));
    Release(e, 300, 5);
    EXPECT_EQ(Sel(e), std::make_pair(0, 6));
    EXPECT_EQ(GetCapture(), 0u);
}

// The caret blinks on the timer clock, lights up again whenever it moves, and stops with the focus.
TEST_F(EditTest, CaretBlinksAndLightsUpWhenItMoves) {
    const HWND e = Edit(0, "ab");
    const auto shot = [this] {
        Pump();
        return WindowSurfaces::Install().Capture(parent);
    };
    const auto after = [&](DWORD ms) {
        AdvanceTimerClock(ms);
        return shot();
    };
    SetFocus(e);
    const Surface lit = shot();
    EXPECT_NE(after(530), lit) << "the caret went out";
    EXPECT_EQ(after(530), lit) << "and came back";
    EXPECT_NE(after(530), lit);
    Key(e, VK_HOME);
    EXPECT_EQ(shot(), lit) << "a caret that moved shows at once";
    EXPECT_EQ(after(300), lit) << "and blinks again from there";
    SetFocus(parent);
    const Surface unfocused = shot();
    EXPECT_EQ(after(530), unfocused);
    EXPECT_EQ(after(530), unfocused);
}

TEST_F(EditTest, ABorderedEditWearsTheSunkenEdge) {
    const HWND e = Make(WC_EDIT, "", WS_BORDER, 0, 0, 60, 20, 3);
    EXPECT_TRUE(GetWindowLongPtrA(e, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT c;
    GetClientRect(e, &c);
    EXPECT_EQ(c.right, 56);
}

}  // namespace
