// Timers: due times on the driver's clock, coalescing, killing, and dying with their window.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win/timer_queue.h"
#include "platform/win/win_api.h"

namespace {

LRESULT Plain(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, msg, wp, lp); }

class TimerQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA cls;
        cls.lpfnWndProc = Plain;
        cls.lpszClassName = "TimerTestWindow";
        RegisterClassA(&cls);
        window = CreateWindowExA(0, "TimerTestWindow", "t", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
        Drain();
    }
    void TearDown() override {
        KillTimer(window, 1);
        KillTimer(window, 2);
        DestroyWindow(window);
    }
    // The ids of the WM_TIMER messages waiting in the queue, which it empties.
    std::vector<uintptr_t> Drain() {
        std::vector<uintptr_t> ids;
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE))
            if (msg.message == WM_TIMER && msg.hwnd == window) ids.push_back(msg.wParam);
        return ids;
    }
    HWND window = 0;
};

TEST_F(TimerQueueTest, FiresOnlyWhenTheClockReachesItsPeriod) {
    ASSERT_NE(SetTimer(window, 1, 100, nullptr), 0u);
    AdvanceTimerClock(99);
    EXPECT_TRUE(Drain().empty());
    AdvanceTimerClock(1);
    EXPECT_EQ(Drain(), std::vector<uintptr_t>{1});
    AdvanceTimerClock(100);
    EXPECT_EQ(Drain(), std::vector<uintptr_t>{1});
}

// What the person's driver sleeps for: until the nearest timer, or without end when none runs.
TEST_F(TimerQueueTest, TellsHowLongUntilTheNearestTimer) {
    const TimerQueue& timers = TimerQueue::Instance();
    EXPECT_EQ(timers.UntilNextDue(), -1);
    SetTimer(window, 1, 530, nullptr);
    SetTimer(window, 2, 100, nullptr);
    EXPECT_EQ(timers.UntilNextDue(), 100);
    AdvanceTimerClock(60);
    EXPECT_EQ(timers.UntilNextDue(), 40);
    AdvanceTimerClock(100);   // timer 2 fired and runs again from now
    EXPECT_EQ(timers.UntilNextDue(), 100);
    KillTimer(window, 2);
    EXPECT_EQ(timers.UntilNextDue(), 370);
    DestroyWindow(window);   // a dead window's timer no longer counts
    EXPECT_EQ(timers.UntilNextDue(), -1);
}

TEST_F(TimerQueueTest, MissedPeriodsGiveOneMessage) {
    SetTimer(window, 1, 50, nullptr);
    AdvanceTimerClock(500);
    EXPECT_EQ(Drain().size(), 1u);
}

TEST_F(TimerQueueTest, ResettingAnIdRestartsItsPeriod) {
    SetTimer(window, 1, 100, nullptr);
    AdvanceTimerClock(60);
    SetTimer(window, 1, 100, nullptr);
    AdvanceTimerClock(60);
    EXPECT_TRUE(Drain().empty());
    AdvanceTimerClock(40);
    EXPECT_EQ(Drain().size(), 1u);
}

TEST_F(TimerQueueTest, KilledTimerStaysQuietAndKillingTwiceFails) {
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 100, nullptr);
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    AdvanceTimerClock(100);
    EXPECT_EQ(Drain(), std::vector<uintptr_t>{2});
}

TEST_F(TimerQueueTest, RefusesDeadWindowsAndDropsTimersOfDestroyedOnes) {
    const HWND other = CreateWindowExA(0, "TimerTestWindow", "o", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
    SetTimer(other, 7, 10, nullptr);
    DestroyWindow(other);
    EXPECT_EQ(SetTimer(other, 7, 10, nullptr), 0u);
    const DWORD before = GetTickCount();
    AdvanceTimerClock(20);
    EXPECT_EQ(GetTickCount(), before + 20);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
}

TEST(KeyState, HeldKeysHaveTheHighBit) {
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    SetKeyHeld(VK_SHIFT, true);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    SetKeyHeld(VK_SHIFT, false);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(4096), 0);
}

}  // namespace
