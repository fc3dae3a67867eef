// The "Array Preview" window: a top-level window owned by the sheet that shows the active
// page's pads. Until it paints pads of its own it shows its class's black background.
#pragma once
#include "platform/framework/wnd.h"

class CArrayPreviewWnd : public CWnd {
public:
    CArrayPreviewWnd() = default;
};

// The sheet's preview window object; null while no sheet is up, and then nobody draws.
extern CArrayPreviewWnd* PreviewWindow;

// Invalidates the whole preview with erasing, when the preview window exists.
void RefreshPreview();
