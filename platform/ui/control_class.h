// What the classes of the standard controls share: their registration, the states of their
// windows and the start of their window procedures.
#pragma once
#include "platform/ui/control_store.h"
#include "platform/win/win_api.h"

// One control class over its per-window `State`. `Handle` answers every message the shared
// start leaves to it; `Before`, where given, sees each message first, while the window's state
// still exists and before the font messages are answered for it.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM),
          void (*Before)(HWND, UINT, WPARAM, LPARAM) = nullptr>
class ControlClass {
public:
    static ControlStore<State>& Store() {
        static ControlStore<State> store;
        return store;
    }

    // False when the name is registered already (by an earlier install).
    static bool Register(const char* name, UINT style, HBRUSH background = 0) {
        WNDCLASSA cls;
        cls.style = style;
        cls.lpfnWndProc = &Proc;
        cls.hbrBackground = background;
        cls.lpszClassName = name;
        return RegisterClassA(&cls);
    }

private:
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        if constexpr (Before != nullptr) Before(h, msg, wp, lp);
        LRESULT result = 0;
        State* state = Store().Enter(h, msg, wp, lp, result);
        return state ? Handle(h, *state, msg, wp, lp) : result;
    }
};
