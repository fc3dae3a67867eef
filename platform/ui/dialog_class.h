// The dialog class "#32770": default dialog processing over the 3-D face background.
#pragma once
#include "platform/win/win_api.h"

class DialogClass {
public:
    static bool Register();
};
