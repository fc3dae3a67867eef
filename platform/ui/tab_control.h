// The tab control ("SysTabControl32"): a strip of tabs over a page area.
#pragma once
#include "platform/win/win_api.h"

class TabControl {
public:
    static bool Register();
};
