// The window-state file "tessra.ini": where the sheet and the preview were and which page was
// in front, read when the sheet opens and rewritten when its window goes.
#pragma once
#include <cstdint>

#include "platform/win/win_types.h"

// Screen pixels, except the page index.
struct WindowState {
    int32_t ScreenResolution = 0, DialogLeft = 0, DialogTop = 0, ActivePage = 0,
            PreviewLeft = 0, PreviewTop = 0, PreviewWidth = 0, PreviewHeight = 0;
};

// 1 and the saved values when a non-empty section was read; 0 when there is no saved state,
// and then `state` is left as it was. Keys missing from the section read as 0.
int ReadWindowState(WindowState& state);

// Saves the sheet's place, the active page and the preview's rectangle (the preview is found by
// its caption). Makes the file beside "tessra.dll" when there is none. Failures are told to the
// user in boxes owned by `sheet`; the caller destroys the sheet window whatever happened.
void SaveWindowState(HWND sheet, int activePage);
