// Where the sheet, its button row and the preview go: the rules of a restored window state
// and of a first opening, as plain geometry.
#pragma once
#include "platform/win/win_types.h"
#include "sheet/window_state.h"

// A saved state is taken only as a whole, and only when it was saved on a screen of this width
// and still puts both windows' corners on it. Negative positions are fine.
bool SavedStateUsable(const WindowState& state, int screenWidth, int screenHeight);

// The saved preview rectangle, in screen pixels.
RECT SavedPreviewRect(const WindowState& state);

// The middle of the sheet: each edge moved inward by a quarter of the sheet's width or height.
RECT MiddleOfSheet(const RECT& sheet);

// The left edge of the first of `count` buttons of width `width` and gap `gap`, centred in the
// client rectangle.
int CentredRowLeft(const RECT& client, int count, int width, int gap);
