// The "ComboBox" class: a simple combo (edit above an always-shown list) or a drop-down list.
#pragma once
#include "platform/win/win_api.h"

class ComboBoxControl {
public:
    static bool Register();
};
