// The classic 3-D look shared by frames and controls: system colours, edges, focus rectangles,
// embossed disabled text, arrow glyphs and the dialog font.
#pragma once
#include <string>

#include "platform/gdi/gdi.h"

namespace classic {
constexpr COLORREF kFace = 0xC0C0C0;          // COLOR_BTNFACE
constexpr COLORREF kShadow = 0x808080;        // COLOR_BTNSHADOW
constexpr COLORREF kHighlight = 0xFFFFFF;     // COLOR_BTNHIGHLIGHT
constexpr COLORREF kDarkShadow = 0x000000;    // COLOR_3DDKSHADOW
constexpr COLORREF kWindow = 0xFFFFFF;        // COLOR_WINDOW
constexpr COLORREF kText = 0x000000;          // COLOR_WINDOWTEXT, COLOR_BTNTEXT
constexpr COLORREF kGrayText = 0x808080;      // COLOR_GRAYTEXT
constexpr COLORREF kSelection = 0x800000;     // COLOR_HIGHLIGHT (navy)
constexpr COLORREF kSelectionText = 0xFFFFFF; // COLOR_HIGHLIGHTTEXT
constexpr COLORREF kActiveCaption = 0x800000;
constexpr COLORREF kInactiveCaption = 0x808080;
constexpr COLORREF kCaptionText = 0xFFFFFF;
constexpr COLORREF kInactiveCaptionText = 0xC0C0C0;
}  // namespace classic

// Two-line bevels: the outer line pair, then the inner one.
enum class EdgeKind { RaisedButton, RaisedFrame, Sunken, Etched, Pressed, StaticSunken };

enum class ArrowDirection { Up, Down, Left, Right };

class ClassicLook {
public:
    static void Fill(HDC dc, const RECT& rect, COLORREF colour);
    static void Frame(HDC dc, const RECT& rect, COLORREF colour);   // a one-pixel outline
    // Draws the bevel and returns the rectangle inside it.
    static RECT Edge(HDC dc, const RECT& rect, EdgeKind kind);
    static void FocusRect(HDC dc, const RECT& rect);
    // Text as controls draw it: embossed white-over-grey when disabled.
    static void Text(HDC dc, const std::string& text, RECT rect, UINT format, bool enabled,
                     COLORREF colour = classic::kText);
    static void Arrow(HDC dc, const RECT& box, ArrowDirection direction, bool enabled);
    // A solid brush of a colour, kept for the life of the process.
    static HBRUSH Brush(COLORREF colour);
    static RECT Inset(const RECT& rect, int by);
    static RECT Offset(const RECT& rect, int dx, int dy);

    // The 8-point dialog font (96 dpi) every control uses unless WM_SETFONT gave another.
    static HFONT DialogFont();
    static HFONT CaptionFont();
    static int LineHeight(HDC dc);

private:
    static void TwoColourRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    static void ArrowAt(HDC dc, const RECT& box, ArrowDirection direction, COLORREF colour, int offset);
};
