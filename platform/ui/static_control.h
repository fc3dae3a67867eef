// The "Static" class: labels (left, centred, right, with or without "&" mnemonics) and frames.
#pragma once
#include "platform/win/win_api.h"

class StaticControl {
public:
    static bool Register();
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};
