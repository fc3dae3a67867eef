// The tab control ("SysTabControl32"): a strip of tabs over a page area.
#pragma once
#include "platform/win/win_api.h"

class TabControl {
public:
    static bool Register();
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};
