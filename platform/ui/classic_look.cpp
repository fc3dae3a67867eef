// Bevels, focus dots, disabled text, arrows and the shared fonts of the classic look.
#include "platform/ui/classic_look.h"

#include <algorithm>
#include <map>

namespace {

struct EdgeColours {
    EdgeKind kind;
    COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    bool twoLines;
};

// One row per bevel; the classic scheme builds every 3-D edge from these four colours.
constexpr EdgeColours kEdges[] = {
    {EdgeKind::RaisedButton, classic::kHighlight, classic::kDarkShadow, classic::kFace, classic::kShadow, true},
    {EdgeKind::RaisedFrame, classic::kFace, classic::kDarkShadow, classic::kHighlight, classic::kShadow, true},
    {EdgeKind::Sunken, classic::kShadow, classic::kHighlight, classic::kDarkShadow, classic::kFace, true},
    {EdgeKind::Etched, classic::kShadow, classic::kHighlight, classic::kHighlight, classic::kShadow, true},
    {EdgeKind::Pressed, classic::kDarkShadow, classic::kDarkShadow, classic::kShadow, classic::kShadow, true},
    {EdgeKind::StaticSunken, classic::kShadow, classic::kHighlight, 0, 0, false},
};

}  // namespace

RECT ClassicLook::Inset(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

RECT ClassicLook::Offset(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

HBRUSH ClassicLook::Brush(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& brush = brushes[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

void ClassicLook::Fill(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right > rect.left && rect.bottom > rect.top) FillRect(dc, &rect, Brush(colour));
}

void ClassicLook::TwoColourRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void ClassicLook::Frame(HDC dc, const RECT& rect, COLORREF colour) {
    TwoColourRect(dc, rect, colour, colour);
}

RECT ClassicLook::Edge(HDC dc, const RECT& rect, EdgeKind kind) {
    for (const EdgeColours& e : kEdges) {
        if (e.kind != kind) continue;
        TwoColourRect(dc, rect, e.outerTopLeft, e.outerBottomRight);
        if (!e.twoLines) return Inset(rect, 1);
        TwoColourRect(dc, Inset(rect, 1), e.innerTopLeft, e.innerBottomRight);
        return Inset(rect, 2);
    }
    return rect;
}

void ClassicLook::FocusRect(HDC dc, const RECT& r) {
    // Every other pixel, as the platform's dotted focus outline.
    for (int x = r.left; x < r.right; ++x) {
        if ((x + r.top) % 2 == 0) SetPixel(dc, x, r.top, classic::kText);
        if ((x + r.bottom - 1) % 2 == 0) SetPixel(dc, x, r.bottom - 1, classic::kText);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        if ((r.left + y) % 2 == 0) SetPixel(dc, r.left, y, classic::kText);
        if ((r.right - 1 + y) % 2 == 0) SetPixel(dc, r.right - 1, y, classic::kText);
    }
}

void ClassicLook::Text(HDC dc, const std::string& text, RECT rect, UINT format, bool enabled,
                       COLORREF colour) {
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        RECT shifted{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        SetTextColor(dc, classic::kHighlight);
        DrawTextA(dc, text.c_str(), int(text.size()), &shifted, format);
        colour = classic::kShadow;
    }
    SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), int(text.size()), &rect, format);
}

void ClassicLook::ArrowAt(HDC dc, const RECT& box, ArrowDirection d, COLORREF colour, int offset) {
    // A solid triangle four pixels deep, centred in the box.
    const int cx = (box.left + box.right) / 2 + offset, cy = (box.top + box.bottom) / 2 + offset;
    const int depth = std::max(1, std::min<int>(4, (std::min(box.right - box.left, box.bottom - box.top)) / 3));
    for (int i = 0; i < depth; ++i) {
        switch (d) {
        case ArrowDirection::Up: Fill(dc, {cx - i, cy - depth / 2 + i, cx + i + 1, cy - depth / 2 + i + 1}, colour); break;
        case ArrowDirection::Down: Fill(dc, {cx - i, cy + depth / 2 - i, cx + i + 1, cy + depth / 2 - i + 1}, colour); break;
        case ArrowDirection::Left: Fill(dc, {cx - depth / 2 + i, cy - i, cx - depth / 2 + i + 1, cy + i + 1}, colour); break;
        case ArrowDirection::Right: Fill(dc, {cx + depth / 2 - i, cy - i, cx + depth / 2 - i + 1, cy + i + 1}, colour); break;
        }
    }
}

void ClassicLook::Arrow(HDC dc, const RECT& box, ArrowDirection direction, bool enabled) {
    if (!enabled) {
        ArrowAt(dc, box, direction, classic::kHighlight, 1);
        ArrowAt(dc, box, direction, classic::kShadow, 0);
        return;
    }
    ArrowAt(dc, box, direction, classic::kText, 0);
}

HFONT ClassicLook::DialogFont() {
    static HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    return font;
}

HFONT ClassicLook::CaptionFont() {
    static HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    return font;
}

int ClassicLook::LineHeight(HDC dc) {
    TEXTMETRICA tm;
    if (!GetTextMetricsA(dc, &tm) || tm.tmHeight <= 0) return 13;
    return tm.tmHeight;
}
