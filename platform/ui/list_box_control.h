// The "ListBox" class: a scrolling list of texts with one selection.
#pragma once
#include "platform/win/win_api.h"

class ListBoxControl {
public:
    static bool Register();
};
