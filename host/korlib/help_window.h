// The window the help service shows a topic in: its title, its text (and the text of the topic it
// refers to) and a Close button. One at a time; it goes with the window it was opened over.
#pragma once
#include "host/korlib/help_topics.h"
#include "platform/win/win_types.h"

class HelpWindow {
public:
    // Shows `topic` over `owner` (0 for none), replacing the help shown before. Returns the
    // window, 0 when it could not be made (no window system in this process).
    static HWND Show(HWND owner, const HelpTopic& topic);
    static HWND Current();

private:
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};
