// The "Static" class: labels (left, centred, right, with or without "&" mnemonics) and frames.
#pragma once
#include "platform/win/win_api.h"

class StaticControl {
public:
    static bool Register();
};
