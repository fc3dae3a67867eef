// Per-window state of a control class, kept by handle. Controls do not use GWLP_USERDATA:
// that slot belongs to whoever subclasses them (the framework's window objects).
#pragma once
#include <map>
#include <memory>

#include "platform/ui/control_support.h"
#include "platform/win/win_api.h"
#include "platform/win/win_types.h"

template <class State>
class ControlStore {
public:
    State* Find(HWND h) {
        auto it = states_.find(h);
        return it == states_.end() ? nullptr : it->second.get();
    }
    State& Attach(HWND h) {
        auto& slot = states_[h];
        if (!slot) slot = std::make_unique<State>();
        return *slot;
    }
    void Detach(HWND h) { states_.erase(h); }

    // The start every control's window procedure shares: the state goes with WM_NCDESTROY and
    // is made on first use, and a state with a font answers the font messages. Null when
    // `result` already holds the answer.
    State* Enter(HWND h, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
        if (msg == WM_NCDESTROY) {
            Detach(h);
            result = DefWindowProcA(h, msg, wp, lp);
            return nullptr;
        }
        State& s = Attach(h);
        if constexpr (requires { s.font; }) {
            if (control::HandleFont(h, msg, wp, lp, s.font, result)) return nullptr;
        }
        return &s;
    }

private:
    std::map<HWND, std::unique_ptr<State>> states_;
};
