// The "Edit" class: one line of text with caret, selection, typing and horizontal scrolling.
#pragma once
#include "platform/win/win_api.h"

class EditControl {
public:
    static bool Register();
};
