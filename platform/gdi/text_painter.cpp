// Glyph placement along one line; glyph coverage is monochrome, so text is integer-exact.
#include "platform/gdi/text_painter.h"

int TextPainter::Width(std::string_view text) const {
    int w = 0;
    for (char c : text) w += face_.Glyph(uint8_t(c)).advance;
    return w;
}

void TextPainter::Draw(PixelTarget& target, int left, int top, std::string_view text,
                       COLORREF colour, int underline) const {
    const int baseline = top + face_.Ascent();
    int pen = left;
    for (int i = 0; i < int(text.size()); ++i) {
        const FontGlyph& g = face_.Glyph(uint8_t(text[i]));
        const int gx = pen + g.left, gy = baseline - g.top;
        for (int r = 0; r < g.rows; ++r)
            for (int c = 0; c < g.width; ++c)
                if (g.coverage[size_t(r) * g.width + c]) target.Plot(gx + c, gy + r, colour);
        if (i == underline) target.Span(pen, pen + g.advance, baseline + 1, colour);
        pen += g.advance;
    }
}
