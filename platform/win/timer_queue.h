// Window timers over a clock that only moves when the driver advances it, so auto-repeat and
// delays behave the same in a scripted run, a test and the interactive window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win/win_types.h"

using TIMERPROC = void (*)(HWND, UINT, uintptr_t, DWORD);   // the type SetTimer takes

class TimerQueue {
public:
    static TimerQueue& Instance();

    uintptr_t Set(HWND window, uintptr_t id, UINT elapse, TIMERPROC proc);
    bool Kill(HWND window, uintptr_t id);
    DWORD Now() const { return now_; }
    // Moves the clock on and posts one WM_TIMER for each timer that came due; a timer that
    // missed several periods still gets one message, as the platform coalesces them.
    void Advance(DWORD milliseconds);
    size_t Count() const { return timers_.size(); }
    // Milliseconds of the clock until the next timer comes due (0 when one is due already), or
    // -1 while no timer runs: how long a driver may sleep without missing one.
    int64_t UntilNextDue() const;

private:
    struct Timer {
        HWND window = 0;
        uintptr_t id = 0;
        UINT elapse = 0;
        DWORD due = 0;
        TIMERPROC proc = nullptr;
    };
    TimerQueue() = default;

    std::vector<Timer> timers_;
    DWORD now_ = 0;
    uintptr_t nextThreadTimer_ = 1;
};
