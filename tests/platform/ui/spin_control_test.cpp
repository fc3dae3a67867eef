// Up-down controls: ranges both ways, buddy text both ways, refusal, alignment, repeat.
#include "tests/platform/ui/ui_fixture.h"

namespace {

class SpinTest : public UiTest {
protected:
    void Build(DWORD extra = 0) {
        buddy = Make(WC_EDIT, "", WS_TABSTOP, 10, 10, 60, 20, 10, WS_EX_CLIENTEDGE);
        spin = Make(UPDOWN_CLASS, "", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | extra, 0, 0, 16, 20, 11);
        heard.clear();
    }
    void ClickUp() { Click(spin, 5, 2); }
    void ClickDown() { Click(spin, 5, 17); }
    int Pos() { return int(SendMessageA(spin, UDM_GETPOS32, 0, 0)); }
    HWND buddy = 0, spin = 0;
};

TEST_F(SpinTest, AutoBuddyIsThePreviousWindowAndAlignRightSharesItsWidth) {
    Build();
    EXPECT_EQ(HWND(SendMessageA(spin, UDM_GETBUDDY, 0, 0)), buddy);
    RECT b, s;
    GetWindowRect(buddy, &b);
    GetWindowRect(spin, &s);
    EXPECT_EQ(b.right - b.left, 46);
    EXPECT_EQ(s.left, b.right - 2);
    EXPECT_EQ(s.right - s.left, 16);
    EXPECT_EQ(s.bottom - s.top, 20);
}

struct RangeCase {
    int lower, upper, start;
    int afterUp, afterDown;
};
class SpinRangeTest : public SpinTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SpinRangeTest, UpMovesTowardsTheUpperEndAndStopsThere) {
    Build();
    const RangeCase& c = GetParam();
    SendMessageA(spin, UDM_SETRANGE32, WPARAM(c.lower), LPARAM(c.upper));
    SendMessageA(spin, UDM_SETPOS32, 0, c.start);
    ClickUp();
    EXPECT_EQ(Pos(), c.afterUp);
    EXPECT_EQ(Text(buddy), std::to_string(c.afterUp));
    SendMessageA(spin, UDM_SETPOS32, 0, c.start);
    ClickDown();
    EXPECT_EQ(Pos(), c.afterDown);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SpinRangeTest, ::testing::Values(
    RangeCase{0, 10, 5, 6, 4},
    RangeCase{10, 0, 5, 4, 6},      // reversed: the up arrow decreases
    RangeCase{0, 10, 10, 10, 9},    // at the top it stays
    RangeCase{10, 0, 0, 0, 1},
    RangeCase{-5, 5, -5, -4, -5}));

TEST_F(SpinTest, DeltaPosComesFirstAndANonZeroAnswerCancels) {
    Build();
    SendMessageA(spin, UDM_SETRANGE32, 0, 100);
    SendMessageA(spin, UDM_SETPOS32, 0, 40);
    heard.clear();
    ClickUp();
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ(heard[0].code, UINT(UDN_DELTAPOS));
    EXPECT_EQ(heard[0].pos, 40);
    EXPECT_EQ(heard[0].delta, 1);
    EXPECT_EQ(heard[1].message, UINT(WM_COMMAND));   // the buddy's EN_UPDATE / EN_CHANGE
    const Notification& scroll = heard[heard.size() - 2];
    EXPECT_EQ(scroll.message, UINT(WM_VSCROLL));
    EXPECT_EQ(scroll.code, UINT(SB_THUMBPOSITION));
    EXPECT_EQ(scroll.pos, 41);
    EXPECT_EQ(heard.back().code, UINT(SB_ENDSCROLL));

    notifyAnswer = 1;
    heard.clear();
    ClickUp();
    EXPECT_EQ(Pos(), 41);
    EXPECT_EQ(Text(buddy), "41");
    EXPECT_EQ(Count(SB_THUMBPOSITION), 0);
}

TEST_F(SpinTest, ThePositionIsReadFromWhatWasTypedIntoTheBuddy) {
    Build();
    SendMessageA(spin, UDM_SETRANGE32, 0, 5000);
    SetWindowTextA(buddy, "1,234");
    EXPECT_EQ(Pos(), 1234);
    ClickUp();
    EXPECT_EQ(Text(buddy), "1,235");
    BOOL failed = FALSE;
    SetWindowTextA(buddy, "12x");
    EXPECT_EQ(int(SendMessageA(spin, UDM_GETPOS32, 0, LPARAM(&failed))), 1235);
    EXPECT_TRUE(failed);
    SetWindowTextA(buddy, "9999");   // out of range is an error too
    EXPECT_EQ(HIWORD(WPARAM(SendMessageA(spin, UDM_GETPOS, 0, 0))), 1);
}

TEST_F(SpinTest, NoThousandsKeepsDigitsPlain) {
    Build(UDS_NOTHOUSANDS);
    SendMessageA(spin, UDM_SETRANGE32, 0, 5000);
    SendMessageA(spin, UDM_SETPOS32, 0, 2500);
    EXPECT_EQ(Text(buddy), "2500");
}

TEST_F(SpinTest, HoldingAnArrowRepeatsAndAccelerates) {
    Build();
    SendMessageA(spin, UDM_SETRANGE32, 0, 1000);
    const UDACCEL accel[] = {{0, 1}, {1, 10}};
    SendMessageA(spin, UDM_SETACCEL, 2, LPARAM(accel));
    Press(spin, 5, 2);
    EXPECT_EQ(Pos(), 1);
    AdvanceTimerClock(400);
    Pump();
    EXPECT_EQ(Pos(), 1);   // the first repeat waits half a second
    AdvanceTimerClock(100);
    Pump();
    EXPECT_EQ(Pos(), 2);
    AdvanceTimerClock(500);
    Pump();
    EXPECT_EQ(Pos(), 12);   // held a second: steps of ten
    Release(spin, 5, 2);
    AdvanceTimerClock(1000);
    Pump();
    EXPECT_EQ(Pos(), 12);
}

TEST_F(SpinTest, ArrowKeysInTheBuddyStepWithArrowKeysStyle) {
    Build(UDS_ARROWKEYS);
    SendMessageA(spin, UDM_SETRANGE32, 0, 10);
    SendMessageA(buddy, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(buddy, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(buddy, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Pos(), 1);
    EXPECT_TRUE(SendMessageA(buddy, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
    SendMessageA(buddy, WM_KEYDOWN, VK_END, 0);   // other keys still reach the edit
    Type(buddy, "0");
    EXPECT_EQ(Text(buddy), "10");
}

TEST_F(SpinTest, SixteenBitRangeMessagesAndTheDefaultRange) {
    Build();
    EXPECT_EQ(SendMessageA(spin, UDM_GETRANGE, 0, 0), LRESULT(MAKELPARAM(0, 100)));
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(WORD(-3), WORD(3)));
    int lower = 0, upper = 0;
    SendMessageA(spin, UDM_GETRANGE32, WPARAM(&lower), LPARAM(&upper));
    EXPECT_EQ(lower, 3);
    EXPECT_EQ(upper, -3);
}

}  // namespace
