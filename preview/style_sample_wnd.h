// The style-sample window: a small captioned window at the top left of the screen that
// explains the numbers of the active page's style on a diagram.
#pragma once
#include <string>

#include "platform/framework/wnd.h"

class CStyleSampleWnd : public CWnd {
public:
    CStyleSampleWnd() = default;
};

// One object for the life of the library; its window comes and goes with the Style Sample
// button, and SampleWindowShown says whether it is there.
extern CStyleSampleWnd StyleSampleWindow;

// Invalidates, erases and repaints the whole sample now, when its window is shown.
void RedrawStyleSample();
// Retitles the sample window, when it is shown.
void SetStyleSampleTitle(const std::string& title);
