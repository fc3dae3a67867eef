// The "Button" class: push, default push, check box, radio button and group box.
#pragma once
#include "platform/win/win_api.h"

class ButtonControl {
public:
    static bool Register();
};
