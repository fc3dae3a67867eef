// The style-sample window: a small captioned window at the top left of the screen that
// explains the numbers of the active page's style on a diagram.
#pragma once
#include <cstdint>
#include <string>

#include "platform/framework/static_ctrl.h"
#include "preview/style_diagram.h"

class CStyleSampleWnd : public CStatic {
public:
    CStyleSampleWnd() = default;

    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void DrawDiagram(HDC dc, const StyleDiagram& diagram, const RECT& client, POINT centre);
    void DrawCircular(HDC dc, POINT centre);
    void DrawPadCircle(HDC dc, int x, int y, const char* label);

    COLORREF m_background = 0;
    int32_t m_textOffset = 0;   // half the diagram font's character height
};

// One object for the life of the library; its window comes and goes with the Style Sample
// button, and SampleWindowShown says whether it is there.
extern CStyleSampleWnd StyleSampleWindow;

// Invalidates, erases and repaints the whole sample now, when its window is shown.
void RedrawStyleSample();
// Retitles the sample window, when it is shown.
void SetStyleSampleTitle(const std::string& title);
