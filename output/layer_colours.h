// The five display colours the previews use, read from the design at every page start-up.
#pragma once
#include "platform/win/win_types.h"

extern COLORREF TopColour;
extern COLORREF BottomColour;
extern COLORREF DrillColour;
extern COLORREF PadNameColour;
extern COLORREF MarkerColour;

void LoadLayerColours();
