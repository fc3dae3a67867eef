// The up-down control ("msctls_updown32"): a position in a range, stepped by two arrows and
// shown in a buddy window's text.
#pragma once
#include "platform/win/win_api.h"

class SpinControl {
public:
    static bool Register();
};
