// Paints the non-client frame of every window: borders, caption bar, close box, client edges.
#pragma once
#include "platform/win/win_types.h"

class FramePainter {
public:
    static void Paint(HWND h);
    // The close box's rectangle in window coordinates (empty when the window has none).
    static RECT CloseBox(HWND h);
};
