// The process-wide style-sample window object and its redraw.
#include "preview/style_sample_wnd.h"

#include "array/shared_state.h"

CStyleSampleWnd StyleSampleWindow;

void RedrawStyleSample() {
    if (SampleWindowShown == 0 || StyleSampleWindow.GetSafeHwnd() == 0) return;
    StyleSampleWindow.Invalidate(TRUE);
    StyleSampleWindow.UpdateWindow();
}

void SetStyleSampleTitle(const std::string& title) {
    if (SampleWindowShown == 0 || StyleSampleWindow.GetSafeHwnd() == 0) return;
    StyleSampleWindow.SetWindowText(title);
}
