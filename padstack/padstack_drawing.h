// The drawing of one padstack in the Select Padstack dialog's preview box: the pad of its
// visible side scaled by its diagonal, so it fits the box at any rotation, and the drill on top.
#pragma once
#include "array/padstack_info.h"
#include "platform/gdi/gdi.h"

// Pixels per database unit; 0 when the pad has no size.
double PadstackDrawingScale(const RECT& box, const PadstackInfo& pad);

// Draws into `dc` over `box`; needs the display colours loaded.
void DrawPadstack(HDC dc, const RECT& box, const PadstackInfo& pad);
