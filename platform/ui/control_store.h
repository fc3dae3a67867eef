// Per-window state of a control class, kept by handle. Controls do not use GWLP_USERDATA:
// that slot belongs to whoever subclasses them (the framework's window objects).
#pragma once
#include <map>
#include <memory>

#include "platform/win/win_types.h"

template <class State>
class ControlStore {
public:
    State* Find(HWND h) {
        auto it = m_states.find(h);
        return it == m_states.end() ? nullptr : it->second.get();
    }
    State& Attach(HWND h) {
        auto& slot = m_states[h];
        if (!slot) slot = std::make_unique<State>();
        return *slot;
    }
    void Detach(HWND h) { m_states.erase(h); }

private:
    std::map<HWND, std::unique_ptr<State>> m_states;
};
