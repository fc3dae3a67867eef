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
    if (!window) id = m_nextThreadTimer++;   // timers without a window get a fresh id
    elapse = std::max<UINT>(elapse, 10);      // the platform's shortest period
    for (Timer& t : m_timers)
        if (t.window == window && t.id == id) {
            t = {window, id, elapse, m_now + elapse, proc};
            return window ? 1 : id;
        }
    m_timers.push_back({window, id, elapse, m_now + elapse, proc});
    return window ? 1 : id;
}

bool TimerQueue::Kill(HWND window, uintptr_t id) {
    const auto before = m_timers.size();
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.window == window && t.id == id; }),
                   m_timers.end());
    return m_timers.size() != before;
}

int64_t TimerQueue::UntilNextDue() const {
    int64_t next = -1;
    for (const Timer& t : m_timers) {
        if (t.window && !IsWindow(t.window)) continue;
        const int64_t wait = std::max<int64_t>(0, int32_t(t.due - m_now));   // wrap-safe
        next = next < 0 ? wait : std::min(next, wait);
    }
    return next;
}

void TimerQueue::Advance(DWORD milliseconds) {
    m_now += milliseconds;
    // Timers of destroyed windows die with them.
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [](const Timer& t) { return t.window && !IsWindow(t.window); }),
                   m_timers.end());
    for (Timer& t : m_timers) {
        if (DWORD(m_now - t.due) > 0x7FFFFFFF) continue;   // not due yet (wrap-safe)
        t.due = m_now + t.elapse;
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
