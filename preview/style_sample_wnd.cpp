// The process-wide style-sample window object, its drawing and its redraw.
#include "preview/style_sample_wnd.h"

#include <algorithm>

#include "array/shared_state.h"
#include "platform/gdi/gdi.h"
#include "platform/win/win_api.h"

CStyleSampleWnd StyleSampleWindow;

namespace {

// Windows' sixteen standard colours; the diagram uses yellow, white and green of them.
constexpr COLORREF kColours[16] = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF,
                                   0x008080, 0x808080, 0xC0C0C0, 0x800000, 0x008000, 0x808000,
                                   0x000080, 0x800080, 0x00FFFF, 0xFFFFFF};
constexpr COLORREF kGuideColour = kColours[14], kLetterColour = kColours[15], kLabelColour = kColours[2];
constexpr int kPadRadius = 14;

void DrawText(HDC dc, int x, int y, const char* text, COLORREF colour) {
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text, int(std::char_traits<char>::length(text)));
}

void DrawLine(HDC dc, POINT from, POINT to) {
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

}  // namespace

BEGIN_MESSAGE_MAP(CStyleSampleWnd, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CStyleSampleWnd::OnEraseBkgnd(HDC dc) {
    RECT client{};
    GetClientRect(&client);
    const COLORREF previous = SetBkColor(dc, m_background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);
    SetBkColor(dc, previous);
    return TRUE;
}

void CStyleSampleWnd::DrawPadCircle(HDC dc, int x, int y, const char* label) {
    HPEN pen = CreatePen(PS_SOLID, 0, kLetterColour);
    HBRUSH brush = CreateSolidBrush(m_background);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, x - kPadRadius, y - kPadRadius, x + kPadRadius, y + kPadRadius);
    if (label != nullptr) DrawText(dc, x, y + m_textOffset, label, kLabelColour);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void CStyleSampleWnd::DrawDiagram(HDC dc, const StyleDiagram& diagram, const RECT& client, POINT centre) {
    const DiagramMetrics m = DiagramMetricsFor(diagram, client.right - client.left, m_textOffset);
    if (diagram.kind == DiagramKind::ChipCarrier) centre.x += m_textOffset;
    auto at = [&](const DiagramPoint& p) { return POINT{centre.x + m.Eval(p.x), centre.y + m.Eval(p.y)}; };
    for (const DiagramLine& line : diagram.lines) DrawLine(dc, at(line.from), at(line.to));
    for (const DiagramText& letter : diagram.letters) {
        const POINT p = at(letter.at);
        DrawText(dc, p.x, p.y, letter.text, kLetterColour);
    }
    const bool corner = CurrentParameters != nullptr && CurrentParameters->CornerStart != 0;
    for (const DiagramPad& pad : diagram.pads) {
        const POINT p = at(pad.at);
        DrawPadCircle(dc, p.x, p.y, corner ? pad.cornerLabel : pad.centreLabel);
    }
}

// The angle step's sign turns pin 2, the 45-degree radius and the letters about the x axis.
void CStyleSampleWnd::DrawCircular(HDC dc, POINT c) {
    const int s = CurrentParameters->AngleStep >= 0 ? 1 : -1;
    const int rho = std::min(c.x, c.y) - kPadRadius - m_textOffset;
    Ellipse(dc, c.x - rho, c.y - rho, c.x + rho, c.y + rho);
    DrawLine(dc, c, POINT{c.x + rho, c.y});
    DrawLine(dc, c, POINT{c.x + rho, c.y - s * rho});
    DrawLine(dc, c, POINT{c.x, c.y + s * rho});
    DrawText(dc, c.x + 10, c.y + s * rho / 2, "r", kLetterColour);
    DrawText(dc, c.x + 40, c.y + (s > 0 ? -10 : 22), "\xF8", kLetterColour);
    const int e = int(int64_t(rho) * 707107 / 1000000);
    DrawPadCircle(dc, c.x + rho, c.y, "1");
    DrawPadCircle(dc, c.x + e, c.y - s * e, "2");
}

void CStyleSampleWnd::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client{};
    GetClientRect(&client);
    const POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2 + 4};
    HPEN guide = CreatePen(PS_DOT, 0, kGuideColour);
    HGDIOBJ oldPen = SelectObject(dc, guide);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    SetBkMode(dc, TRANSPARENT);
    HFONT font = CreateFontA(-12, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    m_textOffset = metrics.tmHeight / 2;
    std::string formula;
    const StyleDiagram* diagram = CurrentParameters ? FindStyleDiagram(CurrentParameters->Style) : nullptr;
    if (diagram != nullptr) {
        if (diagram->kind == DiagramKind::Circle)
            DrawCircular(dc, centre);
        else
            DrawDiagram(dc, *diagram, client, centre);
        formula = DiagramFormula(*diagram, *CurrentParameters);
    }
    if (!formula.empty()) {
        SetTextAlign(dc, TA_RIGHT | TA_TOP);
        DrawText(dc, client.right - 4, client.top, formula.c_str(), kLabelColour);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(guide);
    DeleteObject(font);
    EndPaint(m_hWnd, &paint);
}

void RedrawStyleSample() {
    if (SampleWindowShown == 0 || StyleSampleWindow.GetSafeHwnd() == 0) return;
    StyleSampleWindow.Invalidate(TRUE);
    StyleSampleWindow.UpdateWindow();
}

void SetStyleSampleTitle(const std::string& title) {
    if (SampleWindowShown == 0 || StyleSampleWindow.GetSafeHwnd() == 0) return;
    StyleSampleWindow.SetWindowText(title);
}
