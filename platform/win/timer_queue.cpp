// Window timers: set, kill, and the driver-advanced clock that posts WM_TIMER.
#include "platform/win/timer_queue.h"

#include <algorithm>

#include "platform/win/win_api.h"

TimerQueue& TimerQueue::Instance() {
    static TimerQueue queue;
    return queue;
}

uintptr_t TimerQueue::Set(HWND window, uintptr_t id, UINT elapse, TIMERPROC proc) {
    if (window && !IsWindow(window)) return 0;
    if (!window) id = nextThreadTimer_++;   // timers without a window get a fresh id
    elapse = std::max<UINT>(elapse, 10);      // the platform's shortest period
    for (Timer& t : timers_)
        if (t.window == window && t.id == id) {
            t = {window, id, elapse, now_ + elapse, proc};
            return window ? 1 : id;
        }
    timers_.push_back({window, id, elapse, now_ + elapse, proc});
    return window ? 1 : id;
}

bool TimerQueue::Kill(HWND window, uintptr_t id) {
    const auto before = timers_.size();
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                  [&](const Timer& t) { return t.window == window && t.id == id; }),
                   timers_.end());
    return timers_.size() != before;
}

int64_t TimerQueue::UntilNextDue() const {
    int64_t next = -1;
    for (const Timer& t : timers_) {
        if (t.window && !IsWindow(t.window)) continue;
        const int64_t wait = std::max<int64_t>(0, int32_t(t.due - now_));   // wrap-safe
        next = next < 0 ? wait : std::min(next, wait);
    }
    return next;
}

void TimerQueue::Advance(DWORD milliseconds) {
    now_ += milliseconds;
    // Timers of destroyed windows die with them.
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                  [](const Timer& t) { return t.window && !IsWindow(t.window); }),
                   timers_.end());
    for (Timer& t : timers_) {
        if (DWORD(now_ - t.due) > 0x7FFFFFFF) continue;   // not due yet (wrap-safe)
        t.due = now_ + t.elapse;
        PostMessageA(t.window, WM_TIMER, WPARAM(t.id), reinterpret_cast<LPARAM>(t.proc));
    }
}

uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapse, TIMERPROC proc) {
    return TimerQueue::Instance().Set(window, id, elapse, proc);
}

BOOL KillTimer(HWND window, uintptr_t id) {
    return TimerQueue::Instance().Kill(window, id) ? TRUE : FALSE;
}

DWORD GetTickCount() { return TimerQueue::Instance().Now(); }

void AdvanceTimerClock(DWORD milliseconds) { TimerQueue::Instance().Advance(milliseconds); }
