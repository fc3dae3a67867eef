// The message-box presenter: a real modal window with icon, wrapped text and buttons, run in
// a nested message loop until a button answers it.
#pragma once
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

class MessageBoxWindow {
public:
    static int Present(const MessageBoxRequest& request);
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};
