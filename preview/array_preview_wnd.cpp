// The preview window object and the one way everybody asks it to repaint.
#include "preview/array_preview_wnd.h"

CArrayPreviewWnd* PreviewWindow = nullptr;

void RefreshPreview() {
    if (PreviewWindow == nullptr || PreviewWindow->GetSafeHwnd() == 0) return;
    PreviewWindow->Invalidate(TRUE);
}
